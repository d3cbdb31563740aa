// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_standard.h"

#include "adif/adif_fields.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QDate>
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

namespace {

// The import's stand-ins for a missing field, in the line's columns.
constexpr QByteArrayView kNoCallsign = "FXXXX";
constexpr QByteArrayView kNoDate = "01/01/00";
constexpr QByteArrayView kNoTime = "00:00";
constexpr QByteArrayView kNoBand = "1.8 Mhz";
constexpr QByteArrayView kNoMode = "XXX";
constexpr QByteArrayView kNoReport = "XX";

QByteArrayView trimmedField(QByteArrayView line, QsoField f) { return trimmedBlanks(logFieldView(line, f)); }

// A stored value as the import put it in the line: in capitals, cut to the
// field's columns; `standIn` for an absent one.
QByteArray asImported(QByteArrayView value, QsoField f, QByteArrayView standIn = {}) {
  if (value.isEmpty()) return standIn.toByteArray();
  return leftPart(adifTextToLogBytes(value), layoutOf(f).width).toByteArray();
}

// A stored text as ADIF ASCII.
QByteArray asciiText(QByteArrayView stored) { return adifAscii(adifTextTo1252(stored)); }

bool allDigits(QByteArrayView v) {
  for (char c : v)
    if (c < '0' || c > '9') return false;
  return !v.isEmpty();
}

// YYYYMMDD, a calendar date from 1930 on.
bool validDate(QByteArrayView v) {
  if (v.size() != 8 || !allDigits(v)) return false;
  const int y = v.first(4).toInt(), m = v.sliced(4, 2).toInt(), d = v.sliced(6, 2).toInt();
  return y >= 1930 && QDate(y, m, d).isValid();
}

// HHMM or HHMMSS.
bool validTime(QByteArrayView v) {
  if ((v.size() != 4 && v.size() != 6) || !allDigits(v)) return false;
  return v.first(2).toInt() < 24 && v.sliced(2, 2).toInt() < 60 && (v.size() == 4 || v.sliced(4, 2).toInt() < 60);
}

// A Maidenhead locator of 2, 4, 6 or 8 characters.
bool validGrid(QByteArrayView v) {
  if (v.size() < 2 || v.size() > 8 || v.size() % 2) return false;
  for (qsizetype i = 0; i < v.size(); ++i) {
    const char c = (v[i] >= 'a' && v[i] <= 'z') ? static_cast<char>(v[i] - 32) : v[i];
    const bool ok = (i < 2) ? (c >= 'A' && c <= 'R') : (i / 2) % 2 ? (c >= '0' && c <= '9') : (c >= 'A' && c <= 'X');
    if (!ok) return false;
  }
  return true;
}

// The stored fields of one QSO, looked up by tag.
class Stored {
 public:
  explicit Stored(QByteArrayView stored) : fields_(parseStoredFields(stored)) {
    fromEntry_ = !value(kEntryFieldsMark).isEmpty();
  }
  bool isEmpty() const { return fields_.isEmpty(); }
  // Kept from a file by the import (not typed in the entry window).
  bool fromFile() const { return !fields_.isEmpty() && !fromEntry_; }
  QByteArray value(QByteArrayView tag) const {
    for (const AdifField& f : fields_)
      if (f.tag == tag) return f.value;
    return {};
  }

 private:
  AdifFields fields_;
  bool fromEntry_ = false;
};

}  // namespace

QByteArray standardAdifRecord(QByteArrayView line, const StandardAdifHeader& header, QByteArrayView storedFields,
                              StandardExportGaps* gaps) {
  const Stored x(storedFields);
  StandardExportGaps missing;
  QByteArray out;
  out.reserve(256);

  // The callsign: the whole one when the line holds its first twelve
  // characters.
  const QByteArrayView lineCall = trimmedField(line, QsoField::Callsign);
  const QByteArray fileCall = x.value("CALL");
  QByteArray call = adifAscii(lineCall);
  if (!fileCall.isEmpty() && asImported(fileCall, QsoField::Callsign) == lineCall)
    call = asciiText(fileCall).toUpper();
  if (call.isEmpty() || call == kNoCallsign)
    ++missing.call;
  else
    putField(out, "CALL", call);

  // Date and time: the file's (with its century and seconds) when the line
  // holds them; none for the import's stand-ins.
  const QByteArrayView lineDate = logFieldView(line, QsoField::QsoDate);
  const QByteArrayView lineTime = logFieldView(line, QsoField::QsoTime);
  const QByteArray fileDate = x.value("QSO_DATE"), fileTime = x.value("TIME_ON");
  QByteArray date, time;
  bool dateFromFile = false, timeFromFile = false;
  const QByteArray importedDate = rightPart(fileDate, 2).toByteArray() + '/' +
                                  midPart(fileDate, 4, 2).toByteArray() + '/' + midPart(fileDate, 2, 2).toByteArray();
  if (!fileDate.isEmpty() && lineDate == importedDate) {
    dateFromFile = validDate(fileDate);
    if (dateFromFile) date = fileDate;
  } else if (!(x.fromFile() && fileDate.isEmpty() && lineDate == kNoDate)) {
    // Four-digit years as the log's sort reads them: 50-99 are 19xx, 00-49
    // 20xx.
    const QByteArray d = lineDate.toByteArray();
    if (d.size() == 8 && d[2] == '/' && d[5] == '/') {
      const QByteArray yy = d.sliced(6, 2);
      const QByteArray digits =
          (allDigits(yy) && yy.toInt() >= 50 ? "19" : "20") + yy + d.sliced(3, 2) + d.first(2);
      if (validDate(digits)) date = digits;
    }
  }
  if (!fileTime.isEmpty() && lineTime == leftPart(fileTime, 2).toByteArray() + ':' + midPart(fileTime, 2, 2).toByteArray()) {
    timeFromFile = validTime(fileTime);
    if (timeFromFile) time = fileTime;
  } else if (!(x.fromFile() && fileTime.isEmpty() && lineTime == kNoTime)) {
    if (lineTime.size() == 5 && lineTime[2] == ':') {
      const QByteArray hhmm = lineTime.first(2).toByteArray() + lineTime.sliced(3, 2).toByteArray();
      if (validTime(hhmm)) time = hhmm;
    }
  }
  if (date.isEmpty()) ++missing.date;
  if (time.isEmpty()) ++missing.time;
  putField(out, "QSO_DATE", date);
  putField(out, "TIME_ON", time);

  // Band and frequency. The line's band came from the file's BAND when the
  // import makes the same band of it (1.8 Mhz for none or one outside the
  // twelve): then the file's band is the true one, or, for none, the band
  // of its FREQ. Otherwise the line's band is. FREQ goes with a band it lies
  // in.
  const QByteArrayView lineBand = trimmedField(line, QsoField::Band);
  const QByteArray fileBand = x.value("BAND"), fileFreq = x.value("FREQ");
  const QByteArrayView importedBand = logBandForAdifBand(adifTextToLogBytes(fileBand));
  const AdifBand* band = nullptr;
  const bool bandFromFile = !x.isEmpty() && (importedBand.isEmpty() ? kNoBand : importedBand) == lineBand;
  const std::optional<double> freq = adifNumber(trimmedBlanks(fileFreq));
  if (bandFromFile) {
    band = adifBandNamed(fileBand);
    if (!band && !importedBand.isEmpty()) band = adifBandNamed(adifBandForLogBand(lineBand));
    if (!band && freq) band = adifBandOfFrequency(*freq);
  } else {
    band = adifBandNamed(adifBandForLogBand(lineBand));
  }
  if (band) {
    putField(out, "BAND", band->name);
    if (freq && *freq >= band->lowMhz && *freq <= band->highMhz) putField(out, "FREQ", trimmedBlanks(fileFreq));
  } else {
    ++missing.band;
  }

  // Mode: the stored mode and submode when the line holds the mode's first
  // letters (the import's XXX for none); else the line's own letters.
  const QByteArrayView lineMode = trimmedField(line, QsoField::Mode);
  const QByteArray fileMode = x.value("MODE"), fileSubmode = x.value("SUBMODE");
  std::optional<AdifMode> mode;
  if (!x.isEmpty() && (!fileMode.isEmpty() || !fileSubmode.isEmpty()) &&
      asImported(fileMode, QsoField::Mode, kNoMode) == lineMode)
    mode = exactAdifMode(fileMode, fileSubmode);
  else
    mode = adifModeOfLogMode(lineMode);
  if (mode) {
    putField(out, "MODE", mode->mode);
    putField(out, "SUBMODE", mode->submode);
  } else {
    ++missing.mode;
  }

  // Reports: the file's whole report when the line holds its first three
  // characters; never the import's XX.
  bool reportMissing = false;
  for (const auto& [tag, field] : {std::pair{QByteArrayView("RST_RCVD"), QsoField::RstReceived},
                                   std::pair{QByteArrayView("RST_SENT"), QsoField::RstSent}}) {
    const QByteArrayView lineReport = trimmedField(line, field);
    const QByteArray fileReport = x.value(tag);
    QByteArray report;
    if (!fileReport.isEmpty() && asImported(fileReport, field) == lineReport)
      report = asciiText(fileReport);
    else if (lineReport != kNoReport)
      report = adifAscii(lineReport);
    if (report.isEmpty()) reportMissing = true;
    putField(out, tag, report);
  }
  if (reportMissing) ++missing.report;

  // The castle in SIG and SIG_INFO; a QSO without one keeps the other award
  // its file named (WWFF, POTA, ...).
  const QByteArray reference = adifAscii(logFieldView(line, QsoField::Reference));
  if (!reference.isEmpty()) {
    putField(out, "SIG", adifAscii(header.award));
    putField(out, "SIG_INFO", reference);
  } else {
    const QByteArray sig = asciiText(x.value("SIG")), sigInfo = asciiText(x.value("SIG_INFO"));
    if (!sig.isEmpty() && !sigInfo.isEmpty() && !isCastleAward(sig, header.award)) {
      putField(out, "SIG", sig);
      putField(out, "SIG_INFO", sigInfo);
    }
  }
  putField(out, "QTH", adifAscii(logFieldView(line, QsoField::CastleName)));
  QByteArray qsl = logFieldView(line, QsoField::QslReceived) == "*" ? "Y" : "N";
  if (qsl == "N") {
    const QByteArray fileQsl = asciiText(x.value("QSL_RCVD")).toUpper();
    if (fileQsl == "R" || fileQsl == "I") qsl = fileQsl;
  }
  putField(out, "QSL_RCVD", qsl);

  // What else the file said of the QSO, where it is valid.
  for (QByteArrayView tag : {"GRIDSQUARE", "MY_GRIDSQUARE"}) {
    const QByteArray grid = trimmedBlanks(x.value(tag)).toByteArray();
    if (validGrid(grid)) putField(out, tag, grid);
  }
  for (QByteArrayView tag : {"NAME", "COMMENT", "MY_SIG", "MY_SIG_INFO"}) putField(out, tag, asciiText(x.value(tag)));
  if (dateFromFile && timeFromFile) {
    const QByteArray dateOff = x.value("QSO_DATE_OFF"), timeOff = x.value("TIME_OFF");
    if (validDate(dateOff)) putField(out, "QSO_DATE_OFF", dateOff);
    if (validTime(timeOff)) putField(out, "TIME_OFF", timeOff);
  }
  if (bandFromFile) {
    const AdifBand* bandRx = adifBandNamed(x.value("BAND_RX"));
    const std::optional<double> freqRx = adifNumber(trimmedBlanks(x.value("FREQ_RX")));
    if (freqRx && !bandRx) bandRx = adifBandOfFrequency(*freqRx);
    if (bandRx) {
      putField(out, "BAND_RX", bandRx->name);
      if (freqRx && *freqRx >= bandRx->lowMhz && *freqRx <= bandRx->highMhz)
        putField(out, "FREQ_RX", trimmedBlanks(x.value("FREQ_RX")));
    }
  }
  putField(out, "STATION_CALLSIGN", adifAscii(header.station));
  out += "<EOR>";

  if (gaps) {
    gaps->call += missing.call;
    gaps->date += missing.date;
    gaps->time += missing.time;
    gaps->band += missing.band;
    gaps->mode += missing.mode;
    gaps->report += missing.report;
    if (missing.call + missing.date + missing.time + missing.band + missing.mode + missing.report > 0) ++gaps->qsos;
  }
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

AdifExportResult exportStandardAdif(const QString& logPath, const QString& adifPath, const StandardAdifHeader& header,
                                    const QsoExtrasLookup& extras) {
  AdifExportResult result;
  // A missing log exports as an empty one, as our own export does.
  QFile log(logPath);
  if (log.exists() && !log.open(QIODevice::ReadOnly))
    return {AdifExportResult::LogReadFailed, 0, log.errorString(), {}};
  // Through the one atomic write of every file: a full disk leaves the
  // earlier export whole.
  bool readOk = true;
  const LogResult written = rewriteFile(adifPath, [&](const LineSink& sink) {
    sink(standardAdifHeader(header));
    if (!log.isOpen()) return true;
    LineReader reader(log);
    for (QByteArrayView line; reader.next(line);) {
      if (isBlankLine(line)) continue;  // no QSO
      const QByteArray stored = extras ? extras(qsoKey(line)) : QByteArray();
      sink(standardAdifRecord(line, header, stored, &result.gaps));
      ++result.records;
    }
    readOk = !reader.failed();
    return readOk;
  });
  if (!readOk) return {AdifExportResult::LogReadFailed, 0, log.errorString(), {}};
  if (!written.ok()) return {AdifExportResult::WriteFailed, 0, written.detail, {}};
  return result;
}

}  // namespace ktl
