// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's radio as the windows see it, whatever talks to it (the
// rigctld client, or a test's fake): its frequency and mode, whether it
// answers, and a way to tune it. The program owns one and hands it to the
// shared state; a window that wants the rig asks the state for it and finds
// none when no rig is set up.
#include <QObject>
#include <QString>

namespace ktl {

class RigLink : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Connected and answering: the frequency and mode below are the rig's.
  virtual bool linkUp() const = 0;
  // The rig's frequency in Hz, 0 when unknown.
  virtual qint64 frequencyHz() const = 0;
  // The rig's mode as Hamlib names it ("USB", "CW", "PKTUSB"), empty when
  // unknown.
  virtual QString hamlibMode() const = 0;
  // A line saying how the rig is (connected, waiting to reconnect and why),
  // in `language`.
  virtual QString statusText(int language) const = 0;
  // Tunes the rig to `hz` and, unless empty, `hamlibMode`. False when no rig
  // answers: nothing is sent.
  virtual bool tune(qint64 hz, const QString& hamlibMode) = 0;
  // Something is wrong (rigctld absent, silent or failing, the rig refusing)
  // rather than merely not known yet: the state is shown as a fault.
  virtual bool inTrouble() const { return false; }

 signals:
  // The frequency, the mode or the state changed.
  void changed();
};

}  // namespace ktl
