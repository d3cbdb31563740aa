// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host names the operator types: the cluster server of the band pages
// and the node of the live spots. One rule for both: plain ASCII names
// (letters, digits, hyphens between dots) or an address, so that a name in
// another script, or one that only looks like a familiar name, is never
// turned into a different host behind the operator's back. A name in
// another script is typed in its ASCII form, "xn--...", as the operator
// chose it.
#include <QStringView>

namespace ktl {

enum class HostCheck {
  Ok,
  Empty,
  TooLong,   // more than kMaxHostName characters
  NotAscii,  // a character outside ASCII
  BadName,   // ASCII, but not a host name nor an address
};

// The longest name the DNS carries.
inline constexpr int kMaxHostName = 253;

// `host` alone, without scheme, port or brackets: "dxc.example.org",
// "xn--dc-0mc.example.org", "192.0.2.7", "::1". Labels of letters, digits
// and hyphens, 1 to 63 long, neither starting nor ending with a hyphen, one
// final dot allowed; an IPv6 address of hex digits and colons.
HostCheck checkHostName(QStringView host);

}  // namespace ktl
