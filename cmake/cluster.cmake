# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# DX cluster view: the band pages, the cluster window and the desktop's web
# view.
target_sources(ktl_core PRIVATE src/cluster/cluster_pages.cpp src/texts/cluster_texts.cpp)
target_sources(ktl_gui PRIVATE src/cluster/cluster_window.cpp src/platform/engine_web_view.cpp)
ktl_gui_test(test_cluster_windows tests/cluster/test_cluster_windows.cpp)
# The real Chromium view against a server of the test's own on the loopback.
# As root (CI) Chromium runs only without its sandbox; with no GPU it draws
# in software.
ktl_gui_test(test_cluster_web tests/cluster/test_cluster_web.cpp)
target_link_libraries(test_cluster_web PRIVATE Qt6::Network)
set_tests_properties(test_cluster_web PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=${KTL_TEST_TZ};QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"
  TIMEOUT 120)
# ktl-cluster-bench: how long Main waits when the cluster window opens.
add_executable(ktl-cluster-bench bench/cluster_open_bench.cpp)
target_link_libraries(ktl-cluster-bench PRIVATE ktl_gui)
