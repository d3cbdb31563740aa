// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_export.h"

#include "adif/adif_fields.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "texts/texts.h"

#include <QDir>
#include <QFile>

namespace ktl {
namespace {

// Longest record line: ten tags with their lengths, the values (at most
// the 121 columns of the line, "20", "Y"/"N"), blanks and "<eor>".
constexpr qsizetype kMaxRecordLine = 512;

// "<TAG:" + length + ">" + the parts + " ".
char* putField(char* out, QByteArrayView tag, std::initializer_list<QByteArrayView> parts) {
  qsizetype length = 0;
  for (QByteArrayView p : parts) length += p.size();
  out = putBytes(out, tag);
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + length % 10);
    length /= 10;
  } while (length > 0);
  while (n > 0) *out++ = digits[--n];
  *out++ = '>';
  for (QByteArrayView p : parts) out = putBytes(out, p);
  *out++ = ' ';
  return out;
}

char* putRecordLine(char* out, QByteArrayView line) {
  // What lies beyond the end of a short line is empty.
  const auto field = [line](QsoField f) { return trimmedBlanks(logFieldView(line, f)); };
  const QByteArrayView date = field(QsoField::QsoDate);  // dd/mm/yy
  const QByteArrayView time = field(QsoField::QsoTime);  // HH:MM
  out = putField(out, "<CALL:", {field(QsoField::Callsign)});
  out = putField(out, "<BAND:", {adifBandForLogBand(logFieldView(line, QsoField::Band))});
  out = putField(out, "<MODE:", {field(QsoField::Mode)});
  // The log keeps two-digit years; every QSO of it is taken as this century.
  out = putField(out, "<QSO_DATE:", {"20", rightPart(date, 2), midPart(date, 3, 2), leftPart(date, 2)});
  out = putField(out, "<TIME_ON:", {leftPart(time, 2), rightPart(time, 2)});
  out = putField(out, "<RST_RCVD:", {field(QsoField::RstReceived)});
  out = putField(out, "<RST_SENT:", {field(QsoField::RstSent)});
  out = putField(out, "<SIG:", {field(QsoField::Reference)});
  out = putField(out, "<SIG_INFO:", {field(QsoField::CastleName)});
  out = putField(out, "<QSL_RCVD:", {logFieldView(line, QsoField::QslReceived) == "*" ? "Y" : "N"});
  return putBytes(out, "<eor>");
}

}  // namespace

void appendAdifRecordLine(QByteArray& out, QByteArrayView logLine) {
  const qsizetype old = out.size();
  out.resize(old + kMaxRecordLine);
  char* end = putRecordLine(out.data() + old, logLine);
  out.resize(end - out.constData());
}

QByteArray adifRecordLine(QByteArrayView logLine) {
  QByteArray out;
  out.reserve(256);
  appendAdifRecordLine(out, logLine);
  return out;
}

QByteArray adifTitleLine(Language language, const QString& shownCallsign) {
  const auto title = message(Msg::ExportTitle, language);
  return title ? toFileBytes(title->arg(shownCallsign)) : QByteArray();
}

QByteArray adifBannerLine() {
  return QByteArrayLiteral("ORB_KTL - logbook of the KTL castles award - free to copy, given without warranty");
}

QString adifExportFileName(const QString& stationCallsign) { return stationCallsign + QLatin1String("_KTL.adi"); }

QString adifExportPath(const QString& dataDir, const QString& stationCallsign) {
  return QDir(dataDir).filePath(adifExportFileName(stationCallsign));
}

AdifExportResult exportAdif(const QString& logPath, const QString& adifPath, QByteArrayView titleLine) {
  AdifExportResult result;
  auto fail = [&result](AdifExportResult::Status status, const QString& detail) {
    result.status = status;
    result.detail = detail;
    result.records = 0;
    return result;
  };
  QFile log(logPath);
  // A missing log has no lines: the file then holds the header only, like
  // the export of an empty log.
  const bool haveLog = log.exists();
  if (haveLog && !log.open(QIODevice::ReadOnly)) return fail(AdifExportResult::LogReadFailed, log.errorString());
  bool readOk = true;
  const LogResult written = rewriteFile(adifPath, [&](const LineSink& sink) {
    const QByteArray banner = adifBannerLine();
    for (QByteArrayView header : {titleLine, QByteArrayView(), QByteArrayView(banner), QByteArrayView(),
                                  QByteArrayView(), QByteArrayView("<eoh>")})
      sink(header);
    if (!haveLog) return true;
    LineReader reader(log);
    char record[kMaxRecordLine];
    for (QByteArrayView line; reader.next(line); ++result.records)
      sink(QByteArrayView(record, putRecordLine(record, line) - record));
    readOk = !reader.failed();
    return readOk;
  });
  if (!readOk) return fail(AdifExportResult::LogReadFailed, log.errorString());
  if (!written.ok()) return fail(AdifExportResult::WriteFailed, written.detail);
  return result;
}

}  // namespace ktl
