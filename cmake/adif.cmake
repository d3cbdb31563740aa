# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ADIF export and import (no window): record lines, the record reader, the
# merge into the log. The sample files of other programs are replayed by
# the import's fuzz target (fuzz/corpus/adif_import).
target_sources(ktl_core PRIVATE
  src/adif/adif_fields.cpp
  src/adif/adif_export.cpp
  src/adif/adif_reader.cpp
  src/adif/adif_import.cpp
)
ktl_core_test(test_adif tests/adif/test_adif.cpp)
target_sources(ktl-bench PRIVATE bench/bench_adif.cpp)
# ktl-import-bench: the import through the real windows (bench/import_window.sh).
add_executable(ktl-import-bench bench/import_window_bench.cpp)
target_link_libraries(ktl-import-bench PRIVATE ktl_gui)
# ktl-window-bench: the operator's actions through the real windows
# (bench/window_bench.sh).
add_executable(ktl-window-bench bench/window_bench.cpp)
target_link_libraries(ktl-window-bench PRIVATE ktl_gui Qt6::Test)
# The QSO's full record beside its line (the fields the log's columns
# cannot hold) and the ADIF lists the standard export writes by.
target_sources(ktl_core PRIVATE src/adif/adif_enums.cpp src/adif/qso_extras.cpp)
