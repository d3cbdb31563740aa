# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The entry window, the station window, the ADIF import window, the desktop
# platform and the composition of the program.
target_sources(ktl_gui PRIVATE
  src/platform/desktop_platform.cpp
  src/platform/window_services.cpp
  src/platform/column_headings.cpp
  src/platform/accessible_controls.cpp
  src/platform/toolkit_translation.cpp
  src/entry/entry_form.cpp
  src/entry/qso_list.cpp
  src/entry/main_window.cpp
  src/entry/loading_splash.cpp
  src/station/station_window.cpp
  src/adif/import_adif_window.cpp
  src/app/window_director.cpp
  src/app/enter_clicks.cpp
)

ktl_gui_test(test_main_window tests/entry/test_main_window.cpp)
ktl_gui_test(test_station tests/station/test_station.cpp)
ktl_gui_test(test_entry_window tests/entry/test_entry_window.cpp)
ktl_gui_test(test_import_window tests/adif/test_import_window.cpp)
ktl_gui_test(test_desktop_boxes tests/platform/test_desktop_boxes.cpp)
# The design colours drawn by every style: Fusion, Adwaita-Dark (adwaita-qt6), qt6ct's palettes.
ktl_gui_test(test_contrast tests/platform/test_contrast.cpp)
ktl_gui_test(test_fixed_font tests/platform/test_fixed_font.cpp)

# Main on three screens: 1280 x 720, 2560 x 1440 at 200 %, 1280 x 720 at 150 %.
ktl_gui_test(test_main_size tests/entry/test_main_size.cpp)
set(KTL_SCREENS ${CMAKE_CURRENT_SOURCE_DIR}/tests/entry/screens)
set_tests_properties(test_main_size PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${KTL_SCREENS}/1280x720.json;TZ=${KTL_TEST_TZ}")
add_test(NAME test_main_size_200 COMMAND test_main_size)
set_tests_properties(test_main_size_200 PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${KTL_SCREENS}/2560x1440.json;QT_SCALE_FACTOR=2;TZ=${KTL_TEST_TZ}")
add_test(NAME test_main_size_150 COMMAND test_main_size)
set_tests_properties(test_main_size_150 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${KTL_SCREENS}/1280x720_150.json;TZ=${KTL_TEST_TZ}")

# The screenshots of Main in docs/ (not built by default): see docs/screenshots.cpp.
add_executable(ktl-screenshots EXCLUDE_FROM_ALL docs/screenshots.cpp)
target_link_libraries(ktl-screenshots PRIVATE ktl_gui_test_support)
