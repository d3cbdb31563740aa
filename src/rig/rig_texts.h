// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the rig in the interface languages: the connection's status,
// Hamlib's errors, a refused setting, rigctld started by the program, the
// rig's line in Main and the rig window.
#include "rig/rig_client.h"
#include "texts/texts.h"

#include <span>

namespace ktl {

enum class RigText {
  Disconnected,
  Connecting,    // %1 host:port
  Connected,     // %1 host:port
  RetryIn,       // appended to a problem: %1 seconds
  Refused,       // %1 host:port
  HostNotFound,  // %1 host:port
  NoAnswer,      // %1 host:port
  Closed,        // %1 host:port
  Unreadable,    // %1 host:port, %2 the start of the answer
  RigError,      // %1 Hamlib's error
  Network,       // %1 host:port, %2 the system's words
  FrequencyRefused,  // %1 Hamlib's error
  ModeRefused,       // %1 Hamlib's error
  // Hamlib's errors, by code.
  HamlibInvalid,         // -1
  HamlibNotImplemented,  // -4
  HamlibTimeout,         // -5
  HamlibIo,              // -6
  HamlibProtocol,        // -8
  HamlibRejected,        // -9
  HamlibUnavailable,     // -11
  HamlibPowerOff,        // -20
  HamlibOther,           // %1 the code
  // rigctld started by the program.
  DaemonStarting,  // %1 Hamlib's model number
  DaemonEnded,     // %1 rigctld's words (or why it could not start)
  DaemonTrouble,   // %1 rigctld's words while it runs but reaches no rig
  // Main.
  MenuItem,          // Mnu_Radio in Mnu_Options
  FrequencyName,     // what a screen reader calls Freq_Radio: %1 the frequency and mode
  FrequencyUnknown,
  OutsideBands,      // after the frequency: Bande_A left as it is
  // The rig window.
  NoRig,             // Etat_RG while no rig is in use
  ModelsLoading,
  ModelsFailed,      // %1 rigctl's words
  NoModel,           // Modele_RG before a model is chosen
  ModelListName,     // what a screen reader calls Modeles_RG
  DefaultSpeed,      // the first item of Vitesse_RG
  HostRefused,
  PortRefused,
  ModelRefused,
  SpeedRefused,
};
const Tx& rigText(RigText id);
// The rig window's title (Radio), labels, boxes and buttons.
std::span<const CaptionRow> rigCaptions();

// "Rig connected (127.0.0.1:4532)", "rigctld is not running at
// 127.0.0.1:4532, trying again in 4 s", ...
QString rigStatusText(const RigStatus& status, const QString& address, Language language);
// Hamlib's error `code` (negative, as "RPRT" gives it) in words.
QString hamlibErrorText(int code, Language language);
// A set the rig answered with Hamlib error `code`.
QString setRefusedText(RigClient::Command command, int code, Language language);

}  // namespace ktl
