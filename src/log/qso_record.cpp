#include "log/qso_record.h"

#include <algorithm>

namespace ktl {
namespace {

void putLeft(QByteArray& out, QByteArrayView text, int width) {
  const qsizetype n = std::min<qsizetype>(text.size(), width);
  out.append(text.first(n));
  out.append(width - n, ' ');
}

void putRight(QByteArray& out, QByteArrayView text, int width) {
  const qsizetype n = std::min<qsizetype>(text.size(), width);
  out.append(width - n, ' ');
  out.append(text.last(n));
}

}  // namespace

QByteArray column(QByteArrayView line, int firstColumn, int width) {
  const qsizetype start = firstColumn - 1;
  QByteArray out;
  out.reserve(width);
  if (start < line.size()) out.append(line.sliced(start, std::min<qsizetype>(width, line.size() - start)));
  out.append(width - out.size(), ' ');
  return out;
}

QByteArray reference(QByteArrayView prefix, QByteArrayView number) {
  QByteArray out;
  out.reserve(10);
  putRight(out, prefix, 4);
  out.append('-');
  putLeft(out, number, 5);
  return out;
}

QByteArray toLogLine(const QsoRecord& q) {
  QByteArray out;
  out.reserve(kLogLineWidth);
  putLeft(out, q.callsign, 12);
  out.append(' ');
  out.append(reference(q.countryPrefix, q.castleNumber));
  out.append(q.repeatMark ? '*' : ' ');
  putLeft(out, q.qsoDate, 8);
  out.append(' ');
  putLeft(out, q.qsoTime, 5);
  out.append(' ');
  putLeft(out, q.mode, 3);
  out.append(' ');
  putLeft(out, q.band, 7);
  out.append(' ');
  putLeft(out, q.rstReceived, 3);
  out.append(' ');
  putLeft(out, q.castleName, 60);
  out.append(' ');
  out.append(q.qslReceived ? '*' : ' ');
  out.append(' ');
  putLeft(out, q.rstSent, 3);
  return out;
}

QByteArray sequenceNumber(qsizetype n, int width) {
  // The digits are preceded by one blank (the sign position), then the whole
  // is right-justified.
  QByteArray digits = ' ' + QByteArray::number(n);
  if (digits.size() > width) digits.remove(0, digits.size() - width);
  return QByteArray(width - digits.size(), ' ') + digits;
}

int numberWidthFor(qsizetype count) { return count > kNarrowNumberingLimit ? 6 : 5; }

QByteArray toDisplayLine(QByteArrayView logLine, qsizetype n, int numberWidth) {
  QByteArray out;
  out.reserve(kDisplayLineWidth);
  out.append(sequenceNumber(n, numberWidth));
  out.append(7 - numberWidth, ' ');
  out.append(column(logLine, 1, 12));
  out.append("  ");
  out.append(column(logLine, 14, 10));
  out.append("  ");
  out.append(column(logLine, 25, 8));
  out.append("  ");
  out.append(column(logLine, 34, 5));
  out.append("  ");
  out.append(column(logLine, 40, 3));
  out.append("  ");
  out.append(column(logLine, 44, 7));
  out.append("  ");
  out.append(column(logLine, 52, 3));
  out.append("  ");
  out.append(column(logLine, 119, 3));
  out.append("  ");
  out.append(column(logLine, 56, 60));
  out.append("  ");
  out.append(column(logLine, 117, 1));
  return out;
}

QsoRecord fromDisplayLine(QByteArrayView d) {
  QsoRecord q;
  q.callsign = column(d, 8, 12);
  q.countryPrefix = column(d, 22, 4);
  q.castleNumber = column(d, 27, 5);
  q.qsoDate = column(d, 34, 8);
  q.qsoTime = column(d, 44, 5);
  q.mode = column(d, 51, 3);
  q.band = column(d, 56, 7);
  q.rstReceived = column(d, 65, 3);
  q.rstSent = column(d, 70, 3);
  q.castleName = column(d, 75, 60);
  q.qslReceived = column(d, 137, 1) == "*";
  return q;
}

QByteArray rebuildLogLine(QByteArrayView d) {
  QByteArray out;
  out.reserve(kLogLineWidth);
  out.append(column(d, 8, 12)).append(' ');
  out.append(column(d, 22, 10)).append(' ');
  out.append(column(d, 34, 8)).append(' ');
  out.append(column(d, 44, 5)).append(' ');
  out.append(column(d, 51, 3)).append(' ');
  out.append(column(d, 56, 7)).append(' ');
  out.append(column(d, 65, 3)).append(' ');
  out.append(column(d, 75, 60)).append(' ');
  out.append(column(d, 137, 1)).append(' ');
  out.append(column(d, 70, 3));
  return out;
}

bool sameQso(QByteArrayView a, QByteArrayView b) {
  // Columns past the end of the shorter line read as blanks, as in column():
  // a line whose trailing blanks were trimmed still names the QSO the list
  // shows for it.
  if (a.size() > b.size()) std::swap(a, b);
  const qsizetype n = a.size();
  const auto blank = [](QByteArrayView s) { return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; }); };
  if (n <= 23) return a == b.first(n) && blank(b.sliced(n, std::min<qsizetype>(b.size(), 23) - n)) &&
                      (b.size() <= 24 || blank(b.sliced(24)));
  return a.first(23) == b.first(23) && a.sliced(24) == b.sliced(24, n - 24) && blank(b.sliced(n));
}

}  // namespace ktl
