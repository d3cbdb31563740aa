#include "adif/adif_standard.h"

#include "adif/adif_fields.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace ktl {
namespace {

// ASCII for the Windows-1252 bytes 0x80-0xFF; "?" for the five bytes that
// stand for no character.
constexpr const char* kAsciiHigh[128] = {
    // 0x80
    "EUR", "?", ",", "f", "\"", "...", "+", "+", "^", "%", "S", "'", "OE", "?", "Z", "?",
    // 0x90
    "?", "'", "'", "\"", "\"", "*", "-", "-", "~", "TM", "s", "'", "oe", "?", "z", "Y",
    // 0xA0
    " ", "!", "c", "L", "?", "Y", "|", "S", "\"", "(C)", "a", "\"", "-", "-", "(R)", "-",
    // 0xB0
    "o", "+-", "2", "3", "'", "u", "P", ".", ",", "1", "o", "\"", "1/4", "1/2", "3/4", "?",
    // 0xC0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    // 0xD0
    "D", "N", "O", "O", "O", "O", "O", "x", "O", "U", "U", "U", "U", "Y", "TH", "ss",
    // 0xE0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // 0xF0
    "d", "n", "o", "o", "o", "o", "o", "/", "o", "u", "u", "u", "u", "y", "th", "y",
};

// The log keeps three columns of mode, so a longer mode was kept as its
// first three letters ("RTTY" -> "RTT"). Services check MODE against the
// ADIF list: the ADIF modes that are the only one to begin with those
// letters (JT65 for the rarer JT6M) are written whole. "DIG", the entry
// window's "DIGI", names no ADIF mode and is written as it is. Our import
// cuts them back to the same three letters.
constexpr std::pair<QByteArrayView, QByteArrayView> kCutModes[] = {
    {"ARD", "ARDOP"}, {"C4F", "C4FM"},   {"CHI", "CHIP"},   {"CON", "CONTESTI"}, {"DOM", "DOMINO"},
    {"DST", "DSTAR"}, {"HEL", "HELL"},   {"ISC", "ISCAT"},  {"JT6", "JT65"},     {"MFS", "MFSK"},
    {"MSK", "MSK144"}, {"MT6", "MT63"},  {"OLI", "OLIVIA"}, {"OPE", "OPERA"},    {"QRA", "QRA64"},
    {"RTT", "RTTY"},  {"SST", "SSTV"},   {"THO", "THOR"},   {"THR", "THRB"},     {"WIN", "WINMOR"},
    {"WSP", "WSPR"},
};

QByteArrayView adifMode(QByteArrayView logMode) {
  for (const auto& [cut, whole] : kCutModes)
    if (logMode == cut) return whole;
  return logMode;
}

void putField(QByteArray& out, QByteArrayView tag, QByteArrayView value) {
  if (value.isEmpty()) return;
  out += '<';
  out += tag;
  out += ':';
  out += QByteArray::number(value.size());
  out += '>';
  out += value;
  out += ' ';
}

}  // namespace

StandardAdifHeader makeStandardAdifHeader(const SettingsStore& settings, const QString& shownCallsign,
                                          const QString& programVersion, const QDateTime& created) {
  StandardAdifHeader header;
  header.award = toFileBytes(settings.read(keys::AwardName, {}));
  header.station = toFileBytes(shownCallsign);
  header.programVersion = programVersion.trimmed().toLatin1();
  header.created = created;
  return header;
}

QByteArray adifAscii(QByteArrayView logText) {
  const QByteArrayView text = trimmedBlanks(logText);
  QByteArray out;
  out.reserve(text.size() + 8);
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    // ß has no capital: in a name written in capitals ("SCHLOß", as the
    // import writes every name) it becomes "SS".
    if (c == 0xDF && !out.isEmpty() && out.back() >= 'A' && out.back() <= 'Z')
      out += "SS";
    else if (c >= 0x80)
      out += kAsciiHigh[c - 0x80];
    else if (c < 0x20 || c == 0x7F)
      out += ' ';
    else if (c == '<')
      out += '(';
    else if (c == '>')
      out += ')';
    else
      out += ch;
  }
  return out;
}

QByteArray standardAdifRecord(QByteArrayView line, const StandardAdifHeader& header) {
  QByteArray out;
  out.reserve(256);
  putField(out, "CALL", adifAscii(logFieldView(line, QsoField::Callsign)));
  // Four-digit years as the log's sort reads them: 50-99 are 19xx, 00-49
  // 20xx.
  const qint64 key = dateKey(line, CenturyRule::Sort);
  if (key != kUndated) {
    const QByteArray digits = QByteArray::number(key).rightJustified(12, '0');  // CCYYMMDDHHMM
    putField(out, "QSO_DATE", QByteArrayView(digits).first(8));
    putField(out, "TIME_ON", QByteArrayView(digits).last(4));
  }
  putField(out, "BAND", adifBandForLogBand(logFieldView(line, QsoField::Band)));
  putField(out, "MODE", adifMode(adifAscii(logFieldView(line, QsoField::Mode))));
  putField(out, "RST_RCVD", adifAscii(logFieldView(line, QsoField::RstReceived)));
  putField(out, "RST_SENT", adifAscii(logFieldView(line, QsoField::RstSent)));
  const QByteArray reference = adifAscii(logFieldView(line, QsoField::Reference));
  if (!reference.isEmpty()) {
    putField(out, "SIG", adifAscii(header.award));
    putField(out, "SIG_INFO", reference);
  }
  putField(out, "QTH", adifAscii(logFieldView(line, QsoField::CastleName)));
  putField(out, "QSL_RCVD", logFieldView(line, QsoField::QslReceived) == "*" ? "Y" : "N");
  putField(out, "STATION_CALLSIGN", adifAscii(header.station));
  out += "<EOR>";
  return out;
}

QByteArray standardAdifHeader(const StandardAdifHeader& header) {
  QByteArray out = "ORB_KTL log of " + adifAscii(header.station) + " in ADIF " + kStandardAdifVersion.toByteArray() +
                   "\r\n";
  const auto field = [&out](QByteArrayView tag, QByteArrayView value) {
    putField(out, tag, value);
    out.chop(1);
    out += "\r\n";
  };
  field("ADIF_VER", kStandardAdifVersion);
  field("PROGRAMID", kStandardProgramId);
  field("PROGRAMVERSION", adifAscii(header.programVersion));
  field("CREATED_TIMESTAMP", header.created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss")).toLatin1());
  out += "<EOH>";
  return out;
}

QString standardAdifPath(const QString& dataDir, const QString& stationCallsign) {
  return QDir(dataDir).filePath(stationCallsign + QLatin1String("_KTL_standard.adi"));
}

AdifExportResult exportStandardAdif(const QString& logPath, const QString& adifPath,
                                    const StandardAdifHeader& header) {
  AdifExportResult result;
  // A missing log exports as an empty one, as our own export does.
  QFile log(logPath);
  if (log.exists() && !log.open(QIODevice::ReadOnly))
    return {AdifExportResult::LogReadFailed, 0, log.errorString()};
  // Through the one atomic write of every file: a full disk leaves the
  // earlier export whole.
  bool readOk = true;
  const LogResult written = rewriteFile(adifPath, [&](const LineSink& sink) {
    sink(standardAdifHeader(header));
    if (!log.isOpen()) return true;
    LineReader reader(log);
    for (QByteArray line; reader.next(line); ++result.records) sink(standardAdifRecord(line, header));
    readOk = !reader.failed();
    return readOk;
  });
  if (!readOk) return {AdifExportResult::LogReadFailed, 0, log.errorString()};
  if (!written.ok()) return {AdifExportResult::WriteFailed, 0, written.detail};
  return result;
}

}  // namespace ktl
