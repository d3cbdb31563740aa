// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/host_name.h"

#include <QList>

#include <algorithm>

namespace ktl {

namespace {

bool isAsciiAlnum(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}
bool isHexOrColon(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F') || c == u':' ||
         c == u'.';  // an IPv4 tail: ::ffff:192.0.2.7
}

bool isLabel(QStringView label) {
  if (label.isEmpty() || label.size() > 63 || label.front() == u'-' || label.back() == u'-') return false;
  return std::all_of(label.begin(), label.end(), [](QChar c) { return isAsciiAlnum(c) || c == u'-'; });
}

}  // namespace

HostCheck checkHostName(QStringView host) {
  if (host.isEmpty()) return HostCheck::Empty;
  if (std::any_of(host.begin(), host.end(), [](QChar c) { return c.unicode() > 0x7f; })) return HostCheck::NotAscii;
  if (host.size() > kMaxHostName) return HostCheck::TooLong;
  if (host.contains(u':')) {
    const bool ok = host.count(u':') >= 2 && std::all_of(host.begin(), host.end(), isHexOrColon);
    return ok ? HostCheck::Ok : HostCheck::BadName;
  }
  if (host.endsWith(u'.')) host.chop(1);
  for (QStringView label : host.split(u'.'))
    if (!isLabel(label)) return HostCheck::BadName;
  return HostCheck::Ok;
}

}  // namespace ktl
