# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Live spots from a DX-cluster node: the spot lines, the castle references
# in their comments and what the log already holds (core, QtCore only); the
# node connection and the hunting rules (mode classes from the rig's band
# plan, alerts, the DX command) in ktl_spots, with QtNetwork and the rig's
# tables; the window, with the desktop's notifications over D-Bus.
target_sources(ktl_core PRIVATE
  src/cluster/spot_parser.cpp
  src/cluster/castle_refs.cpp
  src/cluster/worked_index.cpp
  src/texts/spots_texts.cpp
)
add_library(ktl_spots STATIC src/cluster/spot_client.cpp src/cluster/spot_hunt.cpp)
target_link_libraries(ktl_spots PUBLIC ktl_core ktl_rig Qt6::Network)
target_compile_options(ktl_spots PRIVATE -Wall -Wextra)
find_package(Qt6 REQUIRED COMPONENTS DBus)
target_link_libraries(ktl_gui PUBLIC ktl_spots Qt6::DBus)
target_sources(ktl_gui PRIVATE src/cluster/spot_table_model.cpp src/cluster/spots_window.cpp)
target_sources(ktl-bench PRIVATE bench/bench_spots.cpp)
target_link_libraries(ktl-bench PRIVATE ktl_spots)
ktl_core_test(test_spot_lines tests/cluster/test_spot_lines.cpp)
target_link_libraries(test_spot_lines PRIVATE ktl_spots)
# ktl-spots-corpus: the spot reading and the castle references measured on
# the real node lines of ../shared/spots-corpus (not part of the checkout).
add_executable(ktl-spots-corpus bench/spots_corpus.cpp)
target_link_libraries(ktl-spots-corpus PRIVATE ktl_spots)
# The spot table with hand-written times, and the window as a hunter uses it.
ktl_gui_test(test_spots_window tests/cluster/test_spots_window.cpp)
target_link_libraries(test_spots_window PRIVATE Qt6::Network)
# ktl-spots-window-bench: the window under a node's flood (bench/spots_window.sh
# runs it under X with and without a screen reader).
add_executable(ktl-spots-window-bench bench/spots_window_bench.cpp bench/bench.cpp)
target_include_directories(ktl-spots-window-bench PRIVATE bench)
target_link_libraries(ktl-spots-window-bench PRIVATE ktl_gui)
