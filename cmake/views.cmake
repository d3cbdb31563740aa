# Log views: the QSO search (no window) and its benchmark.
target_sources(ktl_core PRIVATE src/views/qso_search.cpp)
target_sources(ktl-bench PRIVATE bench/bench_views.cpp)
