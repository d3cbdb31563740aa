# ADIF export and import (no window): record lines, the record reader, the
# merge into the log. Tests read the sample files of ../shared/adif-samples.
target_sources(ktl_core PRIVATE
  src/adif/adif_fields.cpp
  src/adif/adif_export.cpp
  src/adif/adif_reader.cpp
  src/adif/adif_import.cpp
)
ktl_core_test(test_adif_export tests/adif/test_adif_export.cpp)
ktl_core_test(test_adif_import tests/adif/test_adif_import.cpp)
ktl_core_test(test_adif_samples tests/adif/test_adif_samples.cpp)
foreach(t test_adif_export test_adif_import test_adif_samples)
  target_compile_definitions(${t} PRIVATE KTL_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
endforeach()
target_sources(ktl-bench PRIVATE bench/bench_adif.cpp)
# ktl-import-bench: the import through the real windows (bench/import_window.sh).
add_executable(ktl-import-bench bench/import_window_bench.cpp)
target_link_libraries(ktl-import-bench PRIVATE ktl_gui)
