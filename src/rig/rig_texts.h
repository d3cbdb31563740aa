#pragma once
// Texts of the rig connection in the three interface languages: its
// status, Hamlib's errors and a refused setting.
#include "rig/rig_client.h"
#include "texts/texts.h"

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
};
const Tx& rigText(RigText id);

// "Rig connected (127.0.0.1:4532)", "rigctld is not running at
// 127.0.0.1:4532, trying again in 4 s", ...
QString rigStatusText(const RigStatus& status, const QString& address, Language language);
// Hamlib's error `code` (negative, as "RPRT" gives it) in words.
QString hamlibErrorText(int code, Language language);
// A set the rig answered with Hamlib error `code`.
QString setRefusedText(RigClient::Command command, int code, Language language);

}  // namespace ktl
