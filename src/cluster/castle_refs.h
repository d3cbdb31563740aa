#pragma once
// Castle references in the comment of a spot, in the forms spotters write:
//
//   comment                         castles found
//   "F-01051 CW"                    F-01051        the log's own form
//   "ktl ok-8815 qrv"               OK-08815       short numbers padded to 5 digits
//   "COTA F-01051"                  F-01051        a castle programme's word before it
//   "WCA: OK-00815", "KTL=I-12345"  OK-00815, I-12345
//   "KTL OK-08815 COTA OK-00815"    both, in that order
//   "COTA OK-00815 KTL OK-08815"    OK-08815 first: the award this log is for
//   "POTA K-1234", "K-1234 pota"    none: another programme's reference
//   "SOTA OK/JC-001", "IOTA EU-123" none
//   "DLFF-0123", "EU-005"           none: WWFF and IOTA shapes
//   "14025 599 5NN JN18 1234Z"      none
//   "CW-10", "FT8-12", "up-2"       none: mode and split words
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

// Every castle reference of `comment`, each once: those after the word KTL
// first, then the others in the order written. The spot window shows them
// all; the first is the one it classifies and puts into the entry.
QList<CastleRef> castleRefs(QStringView comment);

}  // namespace ktl
