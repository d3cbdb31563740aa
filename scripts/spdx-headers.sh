#!/bin/sh
# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the two SPDX lines (copyright holder and licence) at the top of each
# C++ source, CMake file and shell script of the given folders or files
# (default: src tests bench fuzz docs), after a "#!" line where there is one.
# Files that already carry a licence line are left as they are, so it can
# run again at any time.
#   scripts/spdx-headers.sh [--check] [PATH...]
# --check changes nothing: it lists the files without the lines and exits 1
# when there is one.
set -eu
cd "$(dirname "$0")/.."
HOLDER="2016-2026 The ORB_KTL developers"
LICENCE="GPL-3.0-or-later"
check=no
if [ "${1:-}" = "--check" ]; then check=yes; shift; fi
[ $# -gt 0 ] || set -- src tests bench fuzz docs

missing=0
for f in $(find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' \
                               -o -name CMakeLists.txt -o -name '*.sh' \) | sort); do
  head -n 5 "$f" | grep -q 'SPDX-License-Identifier:' && continue
  if [ $check = yes ]; then echo "$f"; missing=1; continue; fi
  case "$f" in *.cpp|*.h) c="//" ;; *) c="#" ;; esac
  tmp="$f.spdx.$$"
  if head -n 1 "$f" | grep -q '^#!'; then
    head -n 1 "$f" > "$tmp"
    printf '%s SPDX-FileCopyrightText: %s\n%s SPDX-License-Identifier: %s\n' "$c" "$HOLDER" "$c" "$LICENCE" >> "$tmp"
    tail -n +2 "$f" >> "$tmp"
  else
    printf '%s SPDX-FileCopyrightText: %s\n%s SPDX-License-Identifier: %s\n' "$c" "$HOLDER" "$c" "$LICENCE" > "$tmp"
    cat "$f" >> "$tmp"
  fi
  # The file keeps its mode (a script stays executable).
  cat "$tmp" > "$f"
  rm -f "$tmp"
  echo "$f"
done
exit $missing
