// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_import.h"

#include "adif/adif_enums.h"
#include "adif/adif_fields.h"
#include "adif/adif_reader.h"
#include "adif/qso_extras.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "texts/texts.h"

#include <QFile>

#include <algorithm>
#include <memory>
#include <cstring>
#include <optional>
#include <vector>

namespace ktl {
namespace {

// A line dated 31/12/50 08:35, the last moment a log line can name. Merged
// with the log, it makes sure the block of records finds its place before
// it, also in an empty log. It never reaches the disk; a log line beginning
// like it (left by an import that was cut short) is dropped from the log.
constexpr QByteArrayView kPlaceholderStart = "XXXxxxxxxxx  MKVR";
constexpr QByteArrayView kPlaceholder = "XXXxxxxxxxx  MKVR 93013 31/12/50 08:35";

bool digits(QByteArrayView v, qsizetype from, qsizetype n, int& value) {
  value = 0;
  if (from < 0 || from + n > v.size()) return false;
  for (qsizetype i = from; i < from + n; ++i) {
    if (v[i] < '0' || v[i] > '9') return false;
    value = value * 10 + (v[i] - '0');
  }
  return true;
}

// The insertion key of a record: its QSO_DATE (YYYYMMDD) and TIME_ON (HHMM,
// seconds ignored) as a dateKey(). The year comes with its century, so no
// century rule applies to it. The tags are searched without their "<", as
// the block has always been placed.
std::optional<qint64> insertionKey(QByteArrayView record) {
  const QByteArrayView date = adifFieldValue(record, "QSO_DATE");
  const QByteArrayView time = adifFieldValue(record, "TIME_ON");
  int year, month, day, hour, minute;
  if (date.size() < 8 || !digits(date, 0, 4, year) || !digits(date, 4, 2, month) ||
      !digits(date, date.size() - 2, 2, day) || !digits(time, 0, 2, hour) || !digits(time, 2, 2, minute))
    return std::nullopt;
  return dateKey(year, month, day, hour, minute);
}

// Log lines of kLogLineWidth bytes in blocks that never move, so a long
// import never copies what it already holds.
class LineStore {
 public:
  char* add() {
    if (used_ == kLinesPerChunk || chunks_.empty()) {
      chunks_.push_back(std::make_unique_for_overwrite<char[]>(kLinesPerChunk * kLogLineWidth));
      used_ = 0;
    }
    ++count_;
    return chunks_.back().get() + used_++ * kLogLineWidth;
  }
  const char* at(qsizetype i) const {
    return chunks_[i / kLinesPerChunk].get() + (i % kLinesPerChunk) * kLogLineWidth;
  }
  qsizetype size() const { return count_; }

 private:
  static constexpr qsizetype kLinesPerChunk = 1024;
  std::vector<std::unique_ptr<char[]>> chunks_;
  qsizetype used_ = 0;
  qsizetype count_ = 0;
};


}  // namespace

QString replacementNotice(ReplacedField field) {
  static constexpr Msg kNotices[kReplacedFieldCount] = {Msg::NoticeCallsign, Msg::NoticeDate, Msg::NoticeTime,
                                                        Msg::NoticeBand};
  return *message(kNotices[int(field)], Language::French);
}

namespace {

// The search texts of the fields: the ten of the line, QTH, and the SIG
// tag itself (not SIG_INFO's), which says whose reference SIG_INFO holds.
enum Field { Call, Sig, SigInfo, QsoDate, TimeOn, Mode, Band, RstRcvd, QslRcvd, RstSent, Qth, SigName, kFieldCount };
constexpr QByteArrayView kSearchTexts[kFieldCount] = {"<CALL",    "<SIG",  "<SIG_INFO", "<QSO_DATE", "<TIME_ON",
                                                      "<MODE",    "<BAND", "<RST_RCVD", "<QSL_RCVD", "<RST_SENT",
                                                      "<QTH",     "<SIG:"};

// The values of all ten fields by the rule of adifFieldValue(), found in one
// walk over the record's "<" (each search text begins with one, so its first
// occurrence is at one of them).
void findValues(QByteArrayView record, QByteArrayView (&values)[kFieldCount]) {
  qsizetype first[kFieldCount];
  std::fill(std::begin(first), std::end(first), -1);
  int left = kFieldCount;
  const char* data = record.data();
  const qsizetype size = record.size();
  for (qsizetype at = 0; left > 0 && at < size;) {
    const void* lt = std::memchr(data + at, '<', size - at);
    if (!lt) break;
    at = static_cast<const char*>(lt) - data;
    const QByteArrayView rest = record.sliced(at);
    for (int f = 0; f < kFieldCount; ++f) {
      if (first[f] < 0 && rest.size() > 1 && rest[1] == kSearchTexts[f][1] && rest.startsWith(kSearchTexts[f])) {
        first[f] = at;
        --left;
      }
    }
    ++at;
  }
  for (int f = 0; f < kFieldCount; ++f) values[f] = first[f] < 0 ? QByteArrayView() : adifValueAt(record, first[f]);
}

// A value as log bytes. Plain upper-case ASCII, by far the most common,
// is taken as it is; anything else goes through adifTextToLogBytes() into
// `scratch`, which the next call reuses.
QByteArrayView logBytes(QByteArrayView raw, QByteArray& scratch) {
  for (char c : raw) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7F || (u >= 'a' && u <= 'z')) {
      scratch = adifTextToLogBytes(raw);
      return scratch;
    }
  }
  return raw;
}

void writeLogLine(char* line, QByteArrayView record, const AdifImportOptions& options,
                  const std::function<void(ReplacedField)>& onReplaced, AdifImportResult* counts = nullptr) {
  QByteArrayView raw[kFieldCount];
  findValues(record, raw);
  // Each value is written before the next is taken: they may share `scratch`.
  QByteArray scratch;
  auto value = [&](Field f) { return logBytes(raw[f], scratch); };
  auto replaced = [&](ReplacedField f) {
    if (onReplaced) onReplaced(f);
  };
  std::memset(line, ' ', kLogLineWidth);  // separators and the repeat mark

  QByteArrayView call = value(Call);
  if (call.isEmpty()) {
    replaced(ReplacedField::Callsign);
    call = "FXXXX";
  }
  putLogField(line, QsoField::Callsign, call);
  // The reference keeps its first ten characters, right-justified, so that
  // "F-01051" lands as "   F-01051" in the prefix, "-" and number columns.
  // SIG naming another award than a castle one (a park, a summit) gives no
  // castle: both castle columns stay blank.
  bool castle = true;
  if (options.sigIsAward) {
    const QByteArrayView sig = value(SigName);
    castle = isCastleAward(sig, options.awardName);
    if (!castle && counts && !(sig.isEmpty() && value(SigInfo).isEmpty())) ++counts->sigNotCastle;
  }
  const QByteArrayView reference = castle ? value(options.sigIsAward ? SigInfo : Sig) : QByteArrayView();
  putLogField(line, QsoField::Reference, leftPart(reference, layoutOf(QsoField::Reference).width));

  const QByteArrayView date = value(QsoDate);
  if (date.isEmpty()) {
    replaced(ReplacedField::Date);
    putLogField(line, QsoField::QsoDate, "01/01/00");
  } else {
    // YYYYMMDD to dd/mm/yy; an odd value keeps the separators and the width.
    char d[8];
    char* q = putBytes(d, rightPart(date, 2));
    *q++ = '/';
    q = putBytes(q, midPart(date, 4, 2));
    *q++ = '/';
    q = putBytes(q, midPart(date, 2, 2));
    putLogField(line, QsoField::QsoDate, QByteArrayView(d, q - d));
  }

  const QByteArrayView time = value(TimeOn);
  if (time.isEmpty()) {
    replaced(ReplacedField::Time);
    putLogField(line, QsoField::QsoTime, "00:00");
  } else {
    char t[5];
    char* q = putBytes(t, leftPart(time, 2));
    *q++ = ':';
    q = putBytes(q, midPart(time, 2, 2));  // seconds dropped
    putLogField(line, QsoField::QsoTime, QByteArrayView(t, q - t));
  }

  // A mode or a report longer than its three columns keeps its first three
  // characters ("RTTY" -> "RTT"), as any log line does: no column moves.
  const QByteArrayView mode = value(Mode);
  if (counts && mode.size() > layoutOf(QsoField::Mode).width) ++counts->modesCut;
  putLogField(line, QsoField::Mode, mode.isEmpty() ? QByteArrayView("XXX") : mode);

  QByteArrayView band = logBandForAdifBand(value(Band));
  if (band.isEmpty()) {
    if (counts && !value(Band).isEmpty()) ++counts->bandsUnknown;
    replaced(ReplacedField::Band);
    band = "1.8 Mhz";
  }
  putLogField(line, QsoField::Band, band);

  const QByteArrayView rstReceived = value(RstRcvd);
  putLogField(line, QsoField::RstReceived, rstReceived.isEmpty() ? QByteArrayView("XX") : rstReceived);

  putLogField(line, QsoField::CastleName, castle ? value(options.sigIsAward ? Qth : SigInfo) : QByteArrayView());
  putLogMark(line, QsoField::QslReceived, value(QslRcvd) == "Y");

  const QByteArrayView rstSent = value(RstSent);
  putLogField(line, QsoField::RstSent, rstSent.isEmpty() ? QByteArrayView("XX") : rstSent);
}

}  // namespace

QByteArray adifRecordToLogLine(QByteArrayView record, const AdifImportOptions& options,
                               const std::function<void(ReplacedField)>& onReplaced) {
  QByteArray line(kLogLineWidth, ' ');
  writeLogLine(line.data(), record, options, onReplaced);
  return line;
}

AdifImportResult importAdif(QIODevice& adif, QIODevice* log, const LineSink& newLog,
                            const AdifImportOptions& options, const ReplacementHandler& onReplaced,
                            const RecordFieldsSink& onRecord) {
  AdifImportResult result;
  auto fail = [&result](AdifImportResult::Status status, const QString& detail = {}) {
    result.status = status;
    result.detail = detail;
    result.recordsImported = 0;
    return result;
  };

  // First pass: the date and time that place the block in the log, from the
  // first record. When the first record lacks a readable QSO_DATE or TIME_ON
  // the first record that has both gives them; when none has, the block goes
  // at the end of the log (the sort puts every QSO in its place anyway).
  std::optional<qint64> key;
  {
    AdifRecordReader reader(adif);
    QByteArrayView record;
    qsizetype n = 0;
    while (reader.next(record)) {
      ++n;
      if ((key = insertionKey(record))) {
        result.keyRecord = n;
        break;
      }
    }
    result.headerFound = reader.headerFound();
    if (reader.failed()) return fail(AdifImportResult::FileUnreadable, adif.errorString());
    if (reader.tooLarge()) return fail(AdifImportResult::RecordTooLarge);
    if (n == 0) return fail(AdifImportResult::NoRecord);
  }

  // The log, each line as its 121 columns with a blank repeat mark (the sort
  // clears every mark), and the place of the block: before the first line
  // dated at or after the key. Empty lines are no QSOs and are left out; a
  // line without a readable date never takes the block before it.
  LineStore logLines;
  qsizetype insertAt = -1;
  if (log) {
    LineReader reader(*log);
    for (QByteArrayView line; reader.next(line);) {
      if (isBlankLine(line)) continue;
      if (insertAt < 0 && key) {
        const qint64 ts = dateKey(line, CenturyRule::Insert);
        if (ts != kUndated && ts >= *key) insertAt = logLines.size();
      }
      normalizeLogLine(line, logLines.add());
    }
    if (reader.failed()) return fail(AdifImportResult::LogReadFailed, log->errorString());
  }
  // No log line is as late: the block goes before the placeholder, unless
  // the key is later still. Then the file's QSOs lie beyond what a log line
  // can date and nothing is imported; the log is sorted all the same.
  const bool tooLate = insertAt < 0 && key && *key > dateKey(kPlaceholder, CenturyRule::Insert);
  if (insertAt < 0) insertAt = logLines.size();

  // Second pass: every record becomes a log line.
  LineStore block;
  if (!tooLate) {
    adif.seek(0);
    AdifRecordReader reader(adif, 1 << 20, bool(onRecord));
    QByteArrayView record;
    const auto onField = [&](ReplacedField f) {
      ++result.replaced[static_cast<int>(f)];
      if (onReplaced) onReplaced(f, block.size());
    };
    QByteArray fields;
    while (reader.next(record)) {
      char* line = block.add();
      writeLogLine(line, record, options, onField, &result);
      if (onRecord) {
        fields.clear();
        appendStoredFieldsOf(reader.original(), fields);
        onRecord(QByteArrayView(line, kLogLineWidth), fields);
      }
    }
    if (reader.failed()) return fail(AdifImportResult::FileUnreadable, adif.errorString());
    if (reader.tooLarge()) return fail(AdifImportResult::RecordTooLarge);
  }

  // The merged log: lines before the block, the block, the rest; then the
  // sort. Equal lines keep that order.
  std::vector<const char*> merged;
  merged.reserve(logLines.size() + block.size());
  auto addLog = [&](qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i) {
      const char* line = logLines.at(i);
      if (QByteArrayView(line, kPlaceholderStart.size()) != kPlaceholderStart) merged.push_back(line);
    }
  };
  addLog(0, insertAt);
  for (qsizetype i = 0; i < block.size(); ++i) merged.push_back(block.at(i));
  addLog(insertAt, logLines.size());
  sortLogLines(merged);
  for (const char* line : merged) newLog(QByteArrayView(line, kLogLineWidth));
  if (tooLate) return fail(AdifImportResult::FirstQsoTooLate);
  result.recordsImported = block.size();
  return result;
}

AdifImportResult importAdif(const QString& adifPath, const QString& logPath, const AdifImportOptions& options,
                            const ReplacementHandler& onReplaced, const RecordFieldsSink& onRecord) {
  AdifImportResult result;
  result.status = AdifImportResult::NoFileChosen;
  if (adifPath.isEmpty()) return result;
  QFile adif(adifPath);
  QFile log(logPath);
  const bool haveLog = log.exists();
  if (!adif.open(QIODevice::ReadOnly)) {
    result.status = AdifImportResult::FileUnreadable;
    result.detail = adif.errorString();
  } else if (haveLog && !log.open(QIODevice::ReadOnly)) {
    result.status = AdifImportResult::LogReadFailed;
    result.detail = log.errorString();
  }
  if (result.status != AdifImportResult::NoFileChosen) return result;
  // The log is replaced once, when the merge has given every line of it.
  const auto writesLog = [](const AdifImportResult& r) {
    return r.ok() || r.status == AdifImportResult::FirstQsoTooLate;
  };
  bool merged = false;
  const LogResult written = rewriteFile(logPath, [&](const LineSink& sink) {
    merged = true;
    result = importAdif(adif, haveLog ? &log : nullptr, sink, options, onReplaced, onRecord);
    return writesLog(result);
  });
  if (!merged || (writesLog(result) && !written.ok())) {
    result.status = AdifImportResult::LogWriteFailed;
    result.detail = written.detail;
    result.recordsImported = 0;
  }
  return result;
}

}  // namespace ktl
