# The rig through Hamlib's rigctld: the mode tables and the band plan, the
# network client, rigctld started by the program and Hamlib's model list
# (ktl_rig: QtCore and QtNetwork).
add_library(ktl_rig STATIC
  src/rig/rig_modes.cpp
  src/rig/rig_client.cpp
  src/rig/rig_daemon.cpp
  src/rig/rig_texts.cpp
)
target_link_libraries(ktl_rig PUBLIC ktl_core Qt6::Network)
target_compile_options(ktl_rig PRIVATE -Wall -Wextra)
target_sources(ktl-bench PRIVATE bench/bench_rig.cpp)
target_link_libraries(ktl-bench PRIVATE ktl_rig)
ktl_core_test(test_rig_client tests/rig/test_rig_client.cpp)
target_link_libraries(test_rig_client PRIVATE ktl_rig)
