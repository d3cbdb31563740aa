#!/bin/bash
# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/import_window.sh [RECORDS]: the ADIF import through the real windows
# (ktl-import-bench) on a virtual X screen: accessibility off, then on with a
# listener taking every event, as a screen reader does. Run from the
# checkout after a build (BUILD=build by default). Figures only.
[[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && exec dbus-run-session -- "$0" "$@"
set -u
cd "$(dirname "$0")/.."
source ../shared/e2e/lib.sh
source bench/screen_reader.sh
records=${1:-100000}
adi=$(mktemp --suffix=.adi)
python3 ../shared/bench/gen_adif.py "$records" "$adi" || fail "gen_adif.py"
with_x
unset QT_QPA_PLATFORM
"${BUILD:-build}/ktl-import-bench" "$adi" 2>/dev/null
listen_as_a_screen_reader
sleep 1
"${BUILD:-build}/ktl-import-bench" "$adi" 2>/dev/null
kill $LISTENER
rm -f "$adi"
