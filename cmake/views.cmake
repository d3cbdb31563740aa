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
