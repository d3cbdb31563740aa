# The texts of the three interface languages and the checks behind the
# Enter key of each entry field.
target_sources(ktl_core PRIVATE src/entry/entry_checks.cpp)
ktl_core_test(test_entry_checks tests/entry/test_entry_checks.cpp)
