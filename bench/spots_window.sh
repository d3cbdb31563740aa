#!/bin/bash
# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/spots_window.sh [SECONDS] [SPOTS PER SECOND]: the live-spot window
# of the real program (ktl-spots-window-bench) flooded by a node on the
# loopback, on a virtual X screen: accessibility off, then on with a
# listener taking every event and a reader asking the table for its
# selected row every 100 ms over AT-SPI, as a screen reader does; the
# reader prints how long each answer took. Run from the checkout after a
# build (BUILD=build by default). Figures only.
[[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && exec dbus-run-session -- "$0" "$@"
set -u
cd "$(dirname "$0")/.."
source ../shared/e2e/lib.sh
source bench/screen_reader.sh
seconds=${1:-60}
rate=${2:-1000}
with_x
unset QT_QPA_PLATFORM
"${BUILD:-build}/ktl-spots-window-bench" "$seconds" "$rate" 2>/dev/null
listen_as_a_screen_reader
reads=$(mktemp)
/usr/bin/python3 - "$seconds" > "$reads" <<'PY' & READER=$!
import sys, time
import pyatspi
seconds = float(sys.argv[1])
def find_table():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None: continue
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is None or 'Spot' not in (w.name or ''): continue
            stack = [w]
            while stack:
                a = stack.pop()
                try:
                    if a.getRoleName() == 'table': return a
                    stack.extend(a.getChildAtIndex(j) for j in range(a.childCount))
                except Exception: pass
    return None
table = None
end = time.time() + seconds + 60
while table is None and time.time() < end:
    table = find_table()
    if table is None: time.sleep(0.5)
waits = []
stop = time.time() + seconds - 3
while table is not None and time.time() < stop:
    t0 = time.time()
    try:
        t = table.queryTable()
        rows = t.getSelectedRows()
        if rows:
            for c in range(min(t.nColumns, 10)):
                cell = t.getAccessibleAt(rows[0], c)
                if cell is not None: cell.name
    except Exception:
        pass
    waits.append((time.time() - t0) * 1000)
    time.sleep(0.1)
waits.sort()
if waits:
    pick = lambda p: waits[min(len(waits) - 1, int(p * len(waits)))]
    print("  AT-SPI reader (%d reads of the selected row): median %.1f ms, 95th percentile %.1f ms, largest %.1f ms" %
          (len(waits), pick(0.5), pick(0.95), waits[-1]))
else:
    print("  AT-SPI reader: the table was not found")
PY
sleep 1
"${BUILD:-build}/ktl-spots-window-bench" "$seconds" "$rate" 2>/dev/null
wait $READER
cat "$reads"
rm -f "$reads"
kill $LISTENER
