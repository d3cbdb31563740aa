# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Log views: the QSO search, the contacted castles and prefixes, the prefix
# table and its editor, and the reports they save and print.
target_sources(ktl_core PRIVATE
  src/views/qso_search.cpp
  src/views/toolkit_order.cpp
  src/views/castle_list.cpp
  src/views/prefix_table.cpp
  src/views/report_file.cpp
  src/texts/view_texts.cpp
)
target_sources(ktl_gui PRIVATE
  src/views/search_window.cpp
  src/views/report_actions.cpp
  src/views/castles_window.cpp
  src/views/prefixes_window.cpp
  src/views/prefix_editor_window.cpp
)
target_sources(ktl-bench PRIVATE bench/bench_views.cpp)
ktl_gui_test(test_views tests/views/test_views.cpp)
# The starter prefix table a new operator gets, built into the core.
qt_add_resources(ktl_core "starter_prefix_table"
  PREFIX "/prefixes"
  BASE "data/prefixes"
  FILES "data/prefixes/Liste_DXCC.csv"
)
ktl_core_test(test_starter_prefixes tests/views/test_starter_prefixes.cpp)
target_compile_definitions(test_starter_prefixes PRIVATE
  KTL_STARTER_TABLE_FILE="${CMAKE_CURRENT_SOURCE_DIR}/data/prefixes/Liste_DXCC.csv")
