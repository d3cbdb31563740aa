# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The rig through Hamlib's rigctld: the mode tables and the band plan, the
# network client, rigctld started by the program, Hamlib's model list, the
# station's rig settings and the link the windows use (ktl_rig: QtCore and
# QtNetwork); the rig window.
add_library(ktl_rig STATIC
  src/rig/rig_modes.cpp
  src/rig/rig_client.cpp
  src/rig/rig_daemon.cpp
  src/rig/rig_texts.cpp
  src/rig/rig_settings.cpp
  src/rig/rigctld_link.cpp
  src/rig/rig_control.cpp
)
target_link_libraries(ktl_rig PUBLIC ktl_core Qt6::Network)
target_compile_options(ktl_rig PRIVATE -Wall -Wextra)
target_sources(ktl_gui PRIVATE src/rig/rig_window.cpp)
target_link_libraries(ktl_gui PUBLIC ktl_rig)
target_sources(ktl-bench PRIVATE bench/bench_rig.cpp)
target_link_libraries(ktl-bench PRIVATE ktl_rig)
ktl_core_test(test_rig_tables tests/rig/test_rig_tables.cpp)
target_link_libraries(test_rig_tables PRIVATE ktl_rig)
# The client and the program's hold on the rig against rigctld: settings,
# the link, rigctld started and stopped by the program.
ktl_core_test(test_rig_client tests/rig/test_rig_client.cpp tests/rig/rigctld.h tests/rig/fake_rigctld.h)
target_link_libraries(test_rig_client PRIVATE ktl_rig)
# Main and the rig window with rigctld's dummy rig.
ktl_gui_test(test_rig_entry tests/entry/test_rig_entry.cpp tests/rig/rigctld.h tests/rig/fake_rigctld.h)
target_include_directories(test_rig_entry PRIVATE tests/rig)
