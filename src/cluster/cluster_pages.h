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

inline constexpr int kClusterBandCount = 14;
// In list order: "All HF", the twelve bands, "All VHF". "432 Mhz" is
// addressed as 430.
const std::array<ClusterBand, kClusterBandCount>& clusterBands();

// The base address as the operator typed it, made ready to be stored:
// http or https with a host (a port or a path prefix may follow), blanks
// and trailing slashes removed. Empty when it is refused: another scheme,
// no host, a query or a fragment (a page path could not follow those).
QString clusterBaseAddress(const QString& typed);

// The page of band `index` on the server at `base`: an empty URL when the
// base is not an address clusterBaseAddress() accepts, so the view is never
// asked for an empty or relative address. An index outside the list is
// taken as 0, like a stored one.
QUrl clusterPageAddress(const QString& base, int index);

// The stored "bande Cluster" text as a list index. Anything but a whole
// number from 0 to 13 (an edited settings file) gives 0, "All HF".
int clusterBandFromSetting(const QString& stored);

}  // namespace ktl
