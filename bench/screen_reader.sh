# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the window benches: the accessibility bus on, and a listener
# that takes every event as a screen reader does (its process in LISTENER,
# to kill when the measure is done).
listen_as_a_screen_reader() {
  with_a11y
  /usr/bin/python3 -c '
import pyatspi
pyatspi.Registry.registerEventListener(lambda e: None, "object:", "focus:", "window:")
pyatspi.Registry.start()' &
  LISTENER=$!
}
