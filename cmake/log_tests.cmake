# Log store: tests and benchmark.
ktl_core_test(test_qso_record tests/log/test_qso_record.cpp)
ktl_core_test(test_log_file tests/log/test_log_file.cpp)
ktl_core_test(test_settings_clock tests/platform/test_settings_clock.cpp)
target_sources(ktl-bench PRIVATE bench/bench_log.cpp)
# The crash test kills ktl-crash-helper at random moments of each change.
add_executable(ktl-crash-helper tests/log/crash_helper.cpp)
target_link_libraries(ktl-crash-helper PRIVATE ktl_core)
ktl_core_test(test_crash_safety tests/log/test_crash_safety.cpp)
target_compile_definitions(test_crash_safety PRIVATE KTL_CRASH_HELPER="$<TARGET_FILE:ktl-crash-helper>")
add_dependencies(test_crash_safety ktl-crash-helper)
