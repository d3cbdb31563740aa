# Log views: the QSO search.
target_sources(ktl_core PRIVATE src/views/qso_search.cpp)
target_sources(ktl_gui PRIVATE src/views/search_window.cpp)
target_sources(ktl-bench PRIVATE bench/bench_views.cpp)
ktl_gui_test(test_search tests/views/test_search.cpp)
