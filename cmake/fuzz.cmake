# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets (fuzz/): the ADIF import, the log loaded into the QSO list,
# the log-line conversions. In a plain build each is linked with a replay
# driver and run as a test over its seed corpus and every saved crash; with
# KTL_FUZZ (make fuzz) each is built for libFuzzer.
foreach(target adif_import log_load log_line)
  if(KTL_FUZZ)
    add_executable(fuzz_${target} fuzz/${target}.cpp)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${target} PRIVATE ktl_core)
  else()
    add_executable(replay_${target} fuzz/${target}.cpp fuzz/replay_main.cpp)
    target_link_libraries(replay_${target} PRIVATE ktl_core)
    add_test(NAME replay_${target} COMMAND replay_${target}
             ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target} ${CMAKE_SOURCE_DIR}/fuzz/crashes/${target})
  endif()
endforeach()
