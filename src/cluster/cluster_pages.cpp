// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/cluster_pages.h"

#include "platform/host_name.h"
#include "log/bands.h"

namespace ktl {

const std::array<ClusterBand, kClusterBandCount>& clusterBands() {
  // The twelve bands of the log between the two band groups.
  static constexpr std::array<ClusterBand, kClusterBandCount> kPages = [] {
    std::array<ClusterBand, kClusterBandCount> pages{};
    pages.front() = {"All HF", "HF", true};
    for (std::size_t i = 0; i < kBands.size(); ++i) pages[i + 1] = {kBands[i].log, kBands[i].clusterPage, false};
    pages.back() = {"All VHF", "VHF", true};
    return pages;
  }();
  return kPages;
}

namespace {

// The host as the operator typed it, before any conversion: what stands
// between "//" and the path, without user, port and IPv6 brackets.
QStringView typedHost(QStringView address) {
  const qsizetype slashes = address.indexOf(u"//");
  if (slashes < 0) return {};
  QStringView authority = address.sliced(slashes + 2);
  for (QChar end : {u'/', u'?', u'#'}) {
    const qsizetype at = authority.indexOf(end);
    if (at >= 0) authority.truncate(at);
  }
  const qsizetype user = authority.lastIndexOf(u'@');
  if (user >= 0) authority = authority.sliced(user + 1);
  if (authority.startsWith(u'[')) {
    const qsizetype close = authority.indexOf(u']');
    return close < 0 ? authority.sliced(1) : authority.sliced(1, close - 1);
  }
  const qsizetype port = authority.lastIndexOf(u':');
  return port < 0 ? authority : authority.first(port);
}

}  // namespace

ClusterAddress readClusterAddress(const QString& typed) {
  const QString trimmed = typed.trimmed();
  if (trimmed.size() > kMaxClusterAddress) return {{}, AddressProblem::TooLong};
  const QUrl url(trimmed, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty() || url.hasQuery() ||
      url.hasFragment())
    return {{}, AddressProblem::NotWeb};
  // The URL would turn a name in another script into its xn-- form without
  // a word: the name is judged as typed.
  if (checkHostName(typedHost(trimmed)) != HostCheck::Ok) return {{}, AddressProblem::HostName};
  QString base = url.toString(QUrl::FullyEncoded);
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  // A path in another script grows as it is encoded.
  if (base.size() > kMaxClusterAddress) return {{}, AddressProblem::TooLong};
  return {base, AddressProblem::None};
}

QUrl clusterPageAddress(const QString& base, int index) {
  const QString server = clusterBaseAddress(base);
  if (server.isEmpty()) return {};
  if (index < 0 || index >= kClusterBandCount) index = 0;
  const ClusterBand& band = clusterBands()[index];
  const QString token = QString::fromLatin1(band.token);
  const QString page = band.wide ? QStringLiteral("/dxc/top_250_%1.html").arg(token)
                                 : QStringLiteral("/dxc/top_50_%1_MHz.html").arg(token);
  return QUrl(server + page, QUrl::StrictMode);
}

int clusterBandFromSetting(const QString& stored) {
  bool ok = false;
  const int index = stored.trimmed().toInt(&ok);
  return ok && index >= 0 && index < kClusterBandCount ? index : 0;
}

}  // namespace ktl
