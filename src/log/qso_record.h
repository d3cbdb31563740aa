#pragma once
// One QSO as a fixed-column log line (121 bytes) and as a line of the QSO
// list (137 bytes). All texts are Windows-1252 bytes; columns are 1-based.
#include <QByteArray>

namespace ktl {

inline constexpr int kLogLineWidth = 121;
inline constexpr int kDisplayLineWidth = 137;
// Lists of more than this many QSOs number their lines on six columns.
inline constexpr qsizetype kNarrowNumberingLimit = 9999;

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

// Two log lines name the same QSO when they agree in every column but 24.
bool sameQso(QByteArrayView a, QByteArrayView b);

}  // namespace ktl
