# Entry-window texts (messages, caption tables, list header) and the checks
# behind the Enter key of each entry field.
target_sources(ktl_core PRIVATE
  src/entry/texts.cpp
  src/entry/entry_checks.cpp
)
ktl_core_test(test_texts tests/entry/test_texts.cpp)
ktl_core_test(test_entry_checks tests/entry/test_entry_checks.cpp)
