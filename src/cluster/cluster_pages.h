// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band pages of the DX-cluster statistics server: the 14 choices of the
// cluster window, the page of each under the server's base address, and the
// band index kept per station.
#include <QString>
#include <QUrl>

#include <array>

namespace ktl {

struct ClusterBand {
  const char* entry;  // as the list shows it
  const char* token;  // as the page address names it
  bool wide;          // a band group: "top_250_<token>.html", else "top_50_<token>_MHz.html"
};

inline constexpr int kClusterBandCount = 14;  // the twelve bands of the log and two groups
// In list order: "All HF", the twelve bands, "All VHF". "432 Mhz" is
// addressed as 430.
const std::array<ClusterBand, kClusterBandCount>& clusterBands();

// The longest server address kept: every later read of the settings
// carries it.
inline constexpr int kMaxClusterAddress = 2048;

enum class AddressProblem {
  None,
  TooLong,   // more than kMaxClusterAddress characters
  NotWeb,    // not http or https with a host, or with a query or fragment
  HostName,  // the host is refused by checkHostName() (another script, a bad name)
};

struct ClusterAddress {
  QString base;  // empty when refused
  AddressProblem problem = AddressProblem::None;
};

// The base address as the operator typed it, made ready to be stored:
// http or https with a host (a port or a path prefix may follow), blanks
// and trailing slashes removed. Refused: too long, another scheme, no host,
// a query or a fragment (a page path could not follow those), and a host
// that is not a plain ASCII name as typed.
ClusterAddress readClusterAddress(const QString& typed);
inline QString clusterBaseAddress(const QString& typed) { return readClusterAddress(typed).base; }

// The page of band `index` on the server at `base`: an empty URL when the
// base is not an address clusterBaseAddress() accepts, so the view is never
// asked for an empty or relative address. An index outside the list is
// taken as 0, like a stored one.
QUrl clusterPageAddress(const QString& base, int index);

// The stored "bande Cluster" text as a list index. Anything but a whole
// number from 0 to 13 (an edited settings file) gives 0, "All HF".
int clusterBandFromSetting(const QString& stored);

}  // namespace ktl
