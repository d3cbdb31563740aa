# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Log store: tests and benchmark.
ktl_core_test(test_qso_record tests/log/test_qso_record.cpp)
ktl_core_test(test_log_file tests/log/test_log_file.cpp)
ktl_core_test(test_settings_clock tests/platform/test_settings_clock.cpp)
target_sources(ktl-bench PRIVATE bench/bench_log.cpp)
ktl_core_test(test_crash_safety tests/log/test_crash_safety.cpp)
