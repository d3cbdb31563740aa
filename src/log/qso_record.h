// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QSO as a fixed-column log line (121 bytes) and as a line of the QSO
// list (137 bytes). All texts are Windows-1252 bytes; columns are 1-based.
#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace ktl {

inline constexpr int kLogLineWidth = 121;
inline constexpr int kDisplayLineWidth = 137;
// Lists of more than this many QSOs number their lines on six columns.
inline constexpr qsizetype kNarrowNumberingLimit = 9999;

// The fields of a log line. Reference is the whole castle reference
// (prefix, "-", number) as one field; CountryPrefix and CastleNumber are its
// two parts.
enum class QsoField {
  Callsign,
  CountryPrefix,
  CastleNumber,
  Reference,
  RepeatMark,
  QsoDate,
  QsoTime,
  Mode,
  Band,
  RstReceived,
  CastleName,
  QslReceived,
  RstSent,
};

enum class Justify { Left, Right };

// Where a field sits: its first column and width in the log line, the side
// its text keeps to, and its first column in the list line (kNotListed for
// the repeat mark, which the list does not show). A text longer than its
// columns loses its characters on the side away from that one.
struct FieldLayout {
  QsoField field;
  int logColumn;
  int width;
  Justify justify;
  int listColumn;
};

inline constexpr int kNotListed = 0;

// The log line and the list line, one row per field in the order of
// QsoField. Every column no field covers is a blank separator.
inline constexpr FieldLayout kQsoLayout[] = {
    {QsoField::Callsign, 1, 12, Justify::Left, 8},
    {QsoField::CountryPrefix, 14, 4, Justify::Right, 22},
    {QsoField::CastleNumber, 19, 5, Justify::Left, 27},
    {QsoField::Reference, 14, 10, Justify::Right, 22},
    {QsoField::RepeatMark, 24, 1, Justify::Left, kNotListed},
    {QsoField::QsoDate, 25, 8, Justify::Left, 34},
    {QsoField::QsoTime, 34, 5, Justify::Left, 44},
    {QsoField::Mode, 40, 3, Justify::Left, 51},
    {QsoField::Band, 44, 7, Justify::Left, 56},
    {QsoField::RstReceived, 52, 3, Justify::Left, 65},
    {QsoField::CastleName, 56, 60, Justify::Left, 75},
    {QsoField::QslReceived, 117, 1, Justify::Left, 137},
    {QsoField::RstSent, 119, 3, Justify::Left, 70},
};

constexpr const FieldLayout& layoutOf(QsoField f) { return kQsoLayout[static_cast<int>(f)]; }

// The "-" between the prefix and the number of the reference.
inline constexpr int kReferenceDashColumn = 18;
// RepeatMark and QslReceived hold this or a blank.
inline constexpr char kMark = '*';
// The list line's fields start here; the line number comes before.
inline constexpr int kListFieldsColumn = 8;

namespace detail {
constexpr bool layoutHolds() {
  // Each row in its place, inside both lines, and no two fields sharing a
  // column but the reference and its parts.
  int logOwner[kLogLineWidth + 1] = {}, listOwner[kDisplayLineWidth + 1] = {};
  for (int i = 0; i < static_cast<int>(std::size(kQsoLayout)); ++i) {
    const FieldLayout& f = kQsoLayout[i];
    if (static_cast<int>(f.field) != i || f.logColumn + f.width - 1 > kLogLineWidth) return false;
    const bool listed = f.listColumn != kNotListed;
    if (listed && (f.listColumn < kListFieldsColumn || f.listColumn + f.width - 1 > kDisplayLineWidth)) return false;
    if (f.field == QsoField::Reference) continue;
    for (int c = 0; c < f.width; ++c) {
      if (logOwner[f.logColumn + c]++ || (listed && listOwner[f.listColumn + c]++)) return false;
    }
  }
  // The reference is its prefix, the dash and its number, in the same order
  // in both lines.
  const FieldLayout &ref = layoutOf(QsoField::Reference), &prefix = layoutOf(QsoField::CountryPrefix),
                    &number = layoutOf(QsoField::CastleNumber);
  return prefix.logColumn == ref.logColumn && prefix.logColumn + prefix.width == kReferenceDashColumn &&
         number.logColumn == kReferenceDashColumn + 1 && number.logColumn + number.width == ref.logColumn + ref.width &&
         prefix.listColumn - prefix.logColumn == ref.listColumn - ref.logColumn &&
         number.listColumn - number.logColumn == ref.listColumn - ref.logColumn;
}
static_assert(detail::layoutHolds());
}  // namespace detail

// Writes `text` into the columns of `field` in a log line being built at
// `line` (kLogLineWidth bytes), cut to them and blank-padded as the field's
// row says. For the ADIF import, which writes many lines straight into its
// buffers.
inline void putLogField(char* line, QsoField field, QByteArrayView text) {
  const FieldLayout& f = layoutOf(field);
  char* out = line + f.logColumn - 1;
  const qsizetype n = std::min<qsizetype>(text.size(), f.width);
  if (f.justify == Justify::Left) {
    if (n > 0) std::memcpy(out, text.data(), n);
    std::memset(out + n, ' ', f.width - n);
  } else {
    std::memset(out, ' ', f.width - n);
    if (n > 0) std::memcpy(out + f.width - n, text.data() + text.size() - n, n);
  }
}

// "*" or a blank into a one-column field (RepeatMark, QslReceived).
inline void putLogMark(char* line, QsoField field, bool set) {
  line[layoutOf(field).logColumn - 1] = set ? kMark : ' ';
}

struct QsoRecord {
  QByteArray callsign;       // 12
  QByteArray countryPrefix;  // 4, right-justified
  QByteArray castleNumber;   // 5
  bool repeatMark = false;   // "*" in column 24
  QByteArray qsoDate;        // dd/mm/yy
  QByteArray qsoTime;        // HH:MM
  QByteArray mode;           // 3
  QByteArray band;           // 7
  QByteArray rstReceived;    // 3
  QByteArray castleName;     // 60
  bool qslReceived = false;  // "*" in column 117
  QByteArray rstSent;        // 3
  bool operator==(const QsoRecord&) const = default;
};

// Bytes [firstColumn, firstColumn + width) of a line, blank-padded when the
// line is shorter, so a short line never shifts the columns after it.
QByteArray column(QByteArrayView line, int firstColumn, int width);

// A field of a log line by name, blank-padded as column() pads.
inline QByteArray logField(QByteArrayView line, QsoField field) {
  return column(line, layoutOf(field).logColumn, layoutOf(field).width);
}
// The same without a copy: the field's bytes within the line, cut short (or
// empty) where a short line ends. For readers that trim the value anyway.
inline QByteArrayView logFieldView(QByteArrayView line, QsoField field) {
  const FieldLayout& f = layoutOf(field);
  const qsizetype start = f.logColumn - 1;
  if (start >= line.size()) return {};
  return line.sliced(start, std::min<qsizetype>(f.width, line.size() - start));
}

// Prefix right-justified in 4 columns, "-", number left-justified in 5.
QByteArray reference(QByteArrayView prefix, QByteArrayView number);

// Builds the 121-byte line. A field longer than its columns is cut to them:
// the line never grows past 121 bytes.
QByteArray toLogLine(const QsoRecord& qso);

// " 9" style number, right-justified in `width` columns.
QByteArray sequenceNumber(qsizetype n, int width = 5);
// Width of the number column for a list of `count` lines.
int numberWidthFor(qsizetype count);

// The 137-byte list line of the log line at 1-based position n. With a
// six-column number the second separator blank gives way, so every column
// from 8 on stays where it is.
QByteArray toDisplayLine(QByteArrayView logLine, qsizetype n, int numberWidth = 5);

// The list line read back into entry-field texts, padding kept.
QsoRecord fromDisplayLine(QByteArrayView displayLine);

// The log line a list line came from, with a blank in column 24.
QByteArray rebuildLogLine(QByteArrayView displayLine);

// Two log lines name the same QSO when they agree in every column but the
// repeat mark's (24).
bool sameQso(QByteArrayView a, QByteArrayView b);

}  // namespace ktl
