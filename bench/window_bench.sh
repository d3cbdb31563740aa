#!/bin/bash
# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/window_bench.sh [QSOS]: the operator's actions through the real
# windows (ktl-window-bench) on a virtual X screen, accessibility off, then
# on with a listener taking every event as a screen reader does; then the
# start-up of a 1,000,000-QSO log. Run from the checkout after a build
# (BUILD=build by default). Figures only.
[[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && exec dbus-run-session -- "$0" "$@"
set -u
cd "$(dirname "$0")/.."
source ../shared/e2e/lib.sh
source bench/screen_reader.sh
with_x
unset QT_QPA_PLATFORM
bench="${BUILD:-build}/ktl-window-bench"
for n in 1000 ${1:-100000}; do "$bench" "$n" 2>/dev/null; done
"$bench" --million 2>/dev/null
listen_as_a_screen_reader
sleep 1
"$bench" "${1:-100000}" 2>/dev/null
kill $LISTENER
