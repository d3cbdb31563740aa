// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the live-spot window in the three interface languages (all of
// them ours).
#include "texts/texts.h"

#include <span>

namespace ktl {

// The window's title (Spots_Direct), its labels, the filter box, the
// silence limit and the send button.
std::span<const CaptionRow> spotsCaptions();

enum class SpotsText {
  MenuItem,          // Mnu_Spots in Mnu_Affichage, the same words as the title
  Connect,           // Connexion_SP while not connected
  Disconnect,        // Connexion_SP while connected or trying
  AllBands,          // first item of Bande_SP
  StateIdle,         // Etat_SP
  StateConnecting,   // %1 host:port
  StateConnected,    // %1 host:port
  StateWaiting,      // %1 seconds, %2 the reason
  NodeRefused,       // message box: no host, or a port outside 1-65535
  NoStation,         // message box: no station callsign to log in with
  NotSent,           // console: a command typed while not connected
  TableName,         // what a screen reader calls the table
  ConsoleName,       // and the console
  // Column headers.
  ColumnTime,
  ColumnFrequency,
  ColumnBand,
  ColumnDxCall,
  ColumnReference,
  ColumnStatus,
  ColumnComment,
  ColumnSpotter,
  // Status of a spot.
  StatusNew,
  StatusWorked,
  StatusWorkedOnBand,
  StatusCallWorked,
  StatusCallWorkedOnBand,
  // Etat_SP after a node sent nothing for the limit: %1 seconds to the next
  // try, %2 the limit ("10 min").
  StateSilent,
  // Message box: the node's host is not a plain ASCII name or address.
  HostRefused,
  ColumnCastle,    // the castle's name from the award's list
  ColumnSpotters,  // how many spotters
  // Items of the mode filter Mode_SP.
  ModeAll,
  ModeCw,
  ModePhone,
  ModeData,
  // The desktop notification of a new castle: %1 the reference and its
  // name; %1 the callsign, %2 kHz, %3 the band.
  NotifyTitle,
  NotifyBody,
  // Message boxes of the post buttons: no callsign in the entry; no QSO in the log.
  PostNoEntry,
  PostNoQso,
  // Console: the command to post is in the command field.
  PostCheck,
  // The notification of several new castles at once: %1 their references.
  NotifyTitleMany,
};
const Tx& spotsText(SpotsText id);

}  // namespace ktl
