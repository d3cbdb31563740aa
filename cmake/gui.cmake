# The entry window, the station window, the ADIF import window, the desktop
# platform and the composition of the program.
target_sources(ktl_gui PRIVATE
  src/platform/desktop_platform.cpp
  src/platform/window_services.cpp
  src/entry/entry_form.cpp
  src/entry/qso_list.cpp
  src/entry/main_window.cpp
  src/entry/loading_splash.cpp
  src/station/station_window.cpp
  src/adif/import_adif_window.cpp
  src/app/window_director.cpp
)

ktl_gui_test(test_main_startup tests/entry/test_main_startup.cpp)
ktl_gui_test(test_station tests/station/test_station.cpp)
ktl_gui_test(test_entry_window tests/entry/test_entry_window.cpp)
ktl_gui_test(test_menus tests/entry/test_menus.cpp)
ktl_gui_test(test_import_window tests/adif/test_import_window.cpp)
ktl_gui_test(test_desktop_boxes tests/platform/test_desktop_boxes.cpp)
