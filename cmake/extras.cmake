# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The store of the QSOs' full records beside each log (SQLite through
# QtSql): a library of its own, so that ktl_core keeps to QtCore.
find_package(Qt6 REQUIRED COMPONENTS Sql)
add_library(ktl_extras STATIC src/extras/extras_store.cpp src/extras/adif_with_extras.cpp)
target_include_directories(ktl_extras PUBLIC src)
target_link_libraries(ktl_extras PUBLIC ktl_core Qt6::Sql)
target_compile_options(ktl_extras PRIVATE -Wall -Wextra)
target_link_libraries(ktl_gui PUBLIC ktl_extras)
target_link_libraries(ktl-bench PRIVATE ktl_extras)
ktl_core_test(test_extras_store tests/adif/test_extras_store.cpp)
target_link_libraries(test_extras_store PRIVATE ktl_extras)
# The standard export of every shared sample read by a validator of the ADIF
# enumerations written apart from the program's.
ktl_core_test(test_standard_validity tests/adif/test_standard_validity.cpp)
target_link_libraries(test_standard_validity PRIVATE ktl_extras)
target_compile_definitions(test_standard_validity PRIVATE KTL_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
# The crash test (cmake/log_tests.cmake, read later) also kills between a
# line and its fields.
cmake_language(DEFER CALL target_link_libraries test_crash_safety PRIVATE ktl_extras)
