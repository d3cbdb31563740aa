# The windows, the desktop platform and the program.
add_library(ktl_gui STATIC
  src/platform/desktop_platform.cpp
  src/platform/window_services.cpp
  src/entry/entry_form.cpp
  src/entry/qso_list.cpp
  src/entry/main_window.cpp
  src/entry/loading_splash.cpp
  src/station/station_window.cpp
  src/adif/import_adif_window.cpp
  src/views/search_window.cpp
  src/app/window_director.cpp
)
target_include_directories(ktl_gui PUBLIC src)
target_link_libraries(ktl_gui PUBLIC ktl_core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::WebEngineWidgets)
target_compile_options(ktl_gui PRIVATE -Wall -Wextra)

add_executable(orb-ktl src/app/main.cpp)
target_link_libraries(orb-ktl PRIVATE ktl_gui)

# Window tests drive the real windows over a scripted platform.
add_library(ktl_gui_test_support STATIC tests/support/fake_platform.cpp)
target_include_directories(ktl_gui_test_support PUBLIC tests/support)
target_link_libraries(ktl_gui_test_support PUBLIC ktl_gui Qt6::Test)

function(ktl_gui_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ktl_gui_test_support)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

ktl_gui_test(test_main_startup tests/entry/test_main_startup.cpp)
ktl_gui_test(test_station tests/station/test_station.cpp)
ktl_gui_test(test_entry_window tests/entry/test_entry_window.cpp)
ktl_gui_test(test_import_window tests/adif/test_import_window.cpp)
ktl_gui_test(test_desktop_boxes tests/platform/test_desktop_boxes.cpp)
