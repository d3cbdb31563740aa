# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The award's progress: its published list of castles, kept in the data
# folder, and the figures of the log against it (core, QtCore only); the
# charts in ktl_award_charts, the one library with Qt Charts; the window
# and its grid in ktl_gui.
target_sources(ktl_core PRIVATE
  src/awards/award_bands.cpp
  src/awards/award_list.cpp
  src/awards/award_tally.cpp
  src/awards/award_report.cpp
  src/texts/award_texts.cpp
)
ktl_core_test(test_award_figures tests/awards/test_award_figures.cpp)
find_package(Qt6 6.4 REQUIRED COMPONENTS Charts)
add_library(ktl_award_charts STATIC src/awards/award_charts.cpp)
target_link_libraries(ktl_award_charts PUBLIC ktl_core Qt6::Widgets Qt6::Charts)
target_compile_options(ktl_award_charts PRIVATE -Wall -Wextra)
target_link_libraries(ktl_gui PUBLIC ktl_award_charts)
target_sources(ktl_gui PRIVATE src/awards/award_models.cpp src/awards/awards_window.cpp)
# The window in the running program, and the built program's options.
ktl_gui_test(test_awards_window tests/awards/test_awards_window.cpp)
add_dependencies(test_awards_window orb-ktl)
target_compile_definitions(test_awards_window PRIVATE KTL_PROGRAM="$<TARGET_FILE:orb-ktl>")
# ktl-award-bench: the list, the figures and the window on 100,000 QSOs and
# 50,000 castles.
add_executable(ktl-award-bench bench/award_bench.cpp bench/bench.cpp)
target_include_directories(ktl-award-bench PRIVATE bench)
target_link_libraries(ktl-award-bench PRIVATE ktl_gui)
