# Live spots from a DX-cluster node: the spot lines, the castle references
# in their comments and what the log already holds (core, QtCore only); the
# node connection in ktl_spots, the one library with QtNetwork; the window.
target_sources(ktl_core PRIVATE
  src/cluster/spot_parser.cpp
  src/cluster/castle_refs.cpp
  src/cluster/worked_index.cpp
  src/texts/spots_texts.cpp
)
add_library(ktl_spots STATIC src/cluster/spot_client.cpp)
target_link_libraries(ktl_spots PUBLIC ktl_core Qt6::Network)
target_compile_options(ktl_spots PRIVATE -Wall -Wextra)
target_link_libraries(ktl_gui PUBLIC ktl_spots)
target_sources(ktl_gui PRIVATE src/cluster/spot_table_model.cpp src/cluster/spots_window.cpp)
target_sources(ktl-bench PRIVATE bench/bench_spots.cpp)
target_link_libraries(ktl-bench PRIVATE ktl_spots)
ktl_core_test(test_spot_lines tests/cluster/test_spot_lines.cpp)
target_link_libraries(test_spot_lines PRIVATE ktl_spots)
# ktl-spots-corpus: the spot reading and the castle references measured on
# the real node lines of ../shared/spots-corpus (not part of the checkout).
add_executable(ktl-spots-corpus bench/spots_corpus.cpp)
target_link_libraries(ktl-spots-corpus PRIVATE ktl_spots)
