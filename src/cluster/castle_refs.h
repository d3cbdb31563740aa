// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Castle references in the comment of a spot, in the forms spotters write.
// A castle programme's word makes the reference after it a castle, in any
// length of number; without one, only the log's own five-digit form is, as
// a short number could be any programme's:
//
//   comment                         castles found
//   "F-01051 CW"                    F-01051        the log's own form
//   "ktl ok-8815 qrv"               OK-08815       short numbers padded to 5 digits
//   "COTA F-01051"                  F-01051        a castle programme's word before it
//   "WCA: OK-00815", "KTL=I-12345"  OK-00815, I-12345
//   "bca on-2672, on-2673"          ON-02672 ON-02673  a list after the word
//   "KTL OK-08815 COTA OK-00815"    both, in that order
//   "COTA OK-00815 KTL OK-08815"    OK-08815 first: the award this log is for
//   "F-1051", "wca -ok-00588 -- ol-073"   none, OK-00588: a short number alone
//   "POTA K-1234", "K-12345 pota"   none: another programme's reference
//   "SOTA OK/JC-001", "IOTA EU-123" none
//   "DLFF-01234"                    none: a WWFF shape
//   "14025 599 5NN JN18 1234Z"      none
//   "CW-10", "up5-10", "dwn1-2"     none: mode and split notes
//
// A comment the node may have cut (Spot::commentMayBeCut) ending in a
// reference with fewer than five digits ends in a piece of one: "KTL ON-008"
// at the cut is refused, not taken for ON-00008.
//
// The rule as data: the words of castle programmes and of other
// programmes, the words that are never a country prefix; see the .cpp.
#include <QList>
#include <QString>
#include <QStringView>

namespace ktl {

struct CastleRef {
  QString prefix;  // 1 to 4 letters and digits, upper case
  QString number;  // 5 digits, as the log keeps a typed castle number
  QString text() const { return prefix + u'-' + number; }
  bool operator==(const CastleRef&) const = default;
};

// The digits of a castle number in the log.
inline constexpr int kCastleNumberDigits = 5;

// Every castle reference of `comment`, each once: those after the word KTL
// first, then the others in the order written. The spot window shows them
// all; the first is the one it classifies and puts into the entry.
// `endMayBeCut`: the node may have cut the comment's last word.
QList<CastleRef> castleRefs(QStringView comment, bool endMayBeCut = false);

}  // namespace ktl
