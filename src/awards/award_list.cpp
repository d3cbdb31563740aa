// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_list.h"

#include "log/lines.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "state/program_state.h"
#include "views/prefix_table.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace ktl {
namespace {

bool isReferenceChar(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// A reference as a list writes it ("OK-08815", "ok-8815", " F-1051 "): a
// prefix of 1 to 4 letters and digits, "-", a number of 1 to 5. The award's
// numbers have five digits: a shorter number of digits is padded with
// zeros in front.
std::optional<QByteArray> listReference(QStringView text) {
  const QString t = text.trimmed().toString().toUpper();
  const qsizetype dash = t.indexOf(u'-');
  if (dash < 1) return std::nullopt;
  const QString prefix = t.left(dash).trimmed(), number = t.mid(dash + 1).trimmed();
  const auto valid = [](const QString& part, int most) {
    return !part.isEmpty() && part.size() <= most && std::all_of(part.begin(), part.end(), isReferenceChar);
  };
  if (!valid(prefix, 4) || !valid(number, 5)) return std::nullopt;
  QString padded = number;
  if (std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); }))
    padded = number.rightJustified(5, u'0');
  return (prefix + u'-' + padded).toLatin1();
}

// One line cut at `sep`, outside double quotes; "" inside quotes is one ".
QStringList splitFields(QStringView line, QChar sep) {
  QStringList out;
  QString field;
  bool quoted = false, wasQuoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c != u'"')
        field += c;
      else if (i + 1 < line.size() && line[i + 1] == u'"')
        field += c, ++i;
      else
        quoted = false;
    } else if (c == u'"' && !wasQuoted && field.trimmed().isEmpty()) {
      quoted = wasQuoted = true;
      field.clear();
    } else if (c == sep) {
      out << field;
      field.clear();
      wasQuoted = false;
    } else {
      field += c;
    }
  }
  out << field;
  return out;
}

int countOutsideQuotes(QStringView line, QChar sep) {
  int n = 0;
  bool quoted = false;
  for (const QChar c : line) {
    if (c == u'"') quoted = !quoted;
    else if (c == sep && !quoted) ++n;
  }
  return n;
}

// The separator the first lines agree on: the one found the same number of
// times (at least once) in most of them; ";" before tab before "," when
// they tie, a name holding commas in a semicolon file being common.
QChar detectSeparator(const QList<QStringView>& firstLines) {
  QChar best = u';';
  int bestScore = 0;
  for (const QChar sep : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
    std::map<int, int> counts;
    for (QStringView line : firstLines) {
      const int n = countOutsideQuotes(line, sep);
      if (n > 0) ++counts[n];
    }
    int score = 0;
    for (const auto& [n, lines] : counts) score = std::max(score, lines);
    if (score > bestScore) best = sep, bestScore = score;
  }
  return best;
}

// A heading word without accents, in small letters: "Référence" is
// "reference".
QString plainWord(const QString& text) {
  QString out;
  for (const QChar c : text.normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing) out += c.toLower();
  return out.trimmed();
}

struct Columns {
  int reference = 0, name = 1, region = 2, latitude = 3, longitude = 4, country = -1;
};

// The columns a heading line names; nothing when the line is no heading.
std::optional<Columns> headingColumns(const QStringList& fields) {
  Columns c{-1, -1, -1, -1, -1, -1};
  bool any = false;
  for (int i = 0; i < fields.size(); ++i) {
    const QString w = plainWord(fields[i]);
    const auto take = [&](int& slot) {
      if (slot >= 0) return false;
      slot = i;
      return any = true;
    };
    const auto is = [&w](std::initializer_list<const char*> words) {
      return std::any_of(words.begin(), words.end(), [&w](const char* x) { return w == QLatin1String(x); });
    };
    if (w.startsWith(u"lat") && take(c.latitude)) continue;
    if ((w.startsWith(u"lon") || w.startsWith(u"lng")) && take(c.longitude)) continue;
    if ((w.contains(u"ref") || is({"ktl", "code", "id", "numero", "number"})) && take(c.reference)) continue;
    if ((is({"country", "pays", "paese", "nazione", "dxcc", "prefix", "prefixe", "prefisso", "land"})) &&
        take(c.country))
      continue;
    if (is({"region", "regione", "province", "provincia", "departement", "county", "district", "state", "kraj",
            "oblast", "canton"}) &&
        take(c.region))
      continue;
    if ((w.contains(u"name") || w.contains(u"nom") || is({"castle", "chateau", "castello", "hrad", "burg"})) &&
        take(c.name))
      continue;
  }
  if (!any) return std::nullopt;
  if (c.reference < 0) c.reference = 0;
  if (c.name < 0) {
    for (int i = 0; i < fields.size() && c.name < 0; ++i)
      if (i != c.reference && i != c.region && i != c.latitude && i != c.longitude && i != c.country) c.name = i;
  }
  return c;
}

// A text field as the program keeps it: control characters become blanks,
// blanks runs made one, cut to a sensible length.
QString cleanText(const QString& text, int most) {
  QString out = text;
  for (QChar& c : out)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = u' ';
  return out.simplified().left(most);
}

std::optional<double> coordinate(const QString& text, double limit) {
  QString t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  t.replace(u',', u'.');
  bool ok = false;
  const double v = t.toDouble(&ok);
  if (!ok || v < -limit || v > limit) return std::nullopt;
  return v;
}

// Bytes that no text list holds: NUL and the control characters other than
// tab, CR, LF and form feed.
bool looksBinary(QByteArrayView bytes) {
  qsizetype controls = 0;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0) return true;
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f') ++controls;
  }
  return controls * 100 > bytes.size();
}

AwardListImport failedImport(AwardListImport::Status status, const QString& detail = {}) {
  AwardListImport r;
  r.status = status;
  r.detail = detail;
  return r;
}

constexpr QByteArrayView kStoredHead = "#ORB_KTL award list";

}  // namespace

CastleCode castleCodeOfLine(QByteArrayView line) {
  const QByteArrayView prefix = logFieldView(line, QsoField::CountryPrefix).trimmed(),
                       number = logFieldView(line, QsoField::CastleNumber).trimmed();
  CastleCode c;
  if (prefix.isEmpty() || number.isEmpty() || prefix.size() + 1 + number.size() > CastleCode::kMost) return c;
  char* out = c.bytes.data();
  for (const char ch : prefix) *out++ = char(kUpper1252[static_cast<unsigned char>(ch)]);
  *out++ = '-';
  for (const char ch : number) *out++ = char(kUpper1252[static_cast<unsigned char>(ch)]);
  c.bytes[11] = char(out - c.bytes.data());
  return c;
}

QString castleNameForLog(const QString& name) {
  QString out;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      out += u'?';  // one character, one column
      ++i;
    } else if (c != u'?' && toFileBytes(QStringView(&c, 1)) == "?") {
      const QString base = QString(c).normalized(QString::NormalizationForm_D).left(1);
      out += toFileBytes(base) != "?" ? base.at(0) : QChar(u'?');
    } else {
      out += c;
    }
  }
  return out.left(layoutOf(QsoField::CastleName).width);
}

// ---- the list ---------------------------------------------------------------

QString AwardList::nameOf(QStringView prefix, QStringView number) const {
  if (castles_.empty()) return {};
  const QString p = prefix.trimmed().toString(), n = number.trimmed().toString();
  const auto ref = listReference(QString(p + u'-' + n));
  // Only the log's own form pads a short number: "8815" typed is not the
  // castle 08815, as the log counts them apart.
  if (!ref || ref->size() != p.size() + 1 + n.size()) return {};
  const ListedCastle* c = find(*ref);
  return c ? c->name : QString();
}

QByteArrayList AwardList::prefixes() const {
  QByteArrayList out;
  for (const auto& [prefix, castles] : byPrefix_) out << prefix;
  return out;
}

const std::vector<qsizetype>& AwardList::castlesOf(QByteArrayView prefix) const {
  static const std::vector<qsizetype> none;
  const auto it = byPrefix_.find(prefix.toByteArray());
  return it == byPrefix_.end() ? none : it->second;
}

void AwardList::reserve(qsizetype castles) {
  castles = std::min(castles, kAwardListMaxCastles);
  castles_.reserve(castles);
  index_.reserve(castles);
}

bool AwardList::add(ListedCastle castle) {
  const qsizetype at = qsizetype(castles_.size());
  const CastleCode code = CastleCode::of(castle.key);
  bool added = false;
  if (code.isEmpty() || castle.key.indexOf('-') < 1) return false;
  index_.insert(code, int(at), &added);
  if (!added) return false;
  if (!lastOfPrefix_ || castle.prefix() != lastPrefix_) {
    lastPrefix_ = castle.prefix().toByteArray();
    lastOfPrefix_ = &byPrefix_[lastPrefix_];
  }
  std::vector<qsizetype>& ofPrefix = *lastOfPrefix_;
  // Lists come in reference order mostly: the place is found from the end.
  auto pos = ofPrefix.end();
  while (pos != ofPrefix.begin() && castle.key < castles_[*(pos - 1)].key) --pos;
  ofPrefix.insert(pos, at);
  castles_.push_back(std::move(castle));
  return true;
}

// ---- reading a published list -------------------------------------------------

AwardListImport parseAwardList(QByteArrayView bytes, const KnownCountry& knownCountry, AwardList& list) {
  AwardListImport r;
  if (bytes.size() > kAwardListMaxBytes) return failedImport(AwardListImport::TooLarge);
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  if (bytes.trimmed().isEmpty()) return failedImport(AwardListImport::Empty);
  if (looksBinary(bytes)) return failedImport(AwardListImport::NotText);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  r.utf8 = !utf8.hasError();
  if (!r.utf8) text = fromFileBytes(bytes);

  // The lines, each without its CR LF; line numbers count every line.
  QList<QStringView> lines;
  for (qsizetype pos = 0; pos < text.size();) {
    qsizetype end = text.indexOf(u'\n', pos);
    if (end < 0) end = text.size();
    QStringView line = QStringView(text).sliced(pos, end - pos);
    if (line.endsWith(u'\r')) line.chop(1);
    lines << line;
    pos = end + 1;
  }
  QList<QStringView> sample;
  for (QStringView line : lines) {
    if (!line.trimmed().isEmpty() && line.size() <= kAwardListMaxLine) sample << line;
    if (sample.size() == 20) break;
  }
  const QChar sep = detectSeparator(sample);
  r.separator = char(sep.unicode());

  Columns columns;
  qsizetype first = 0;
  while (first < lines.size() && lines[first].trimmed().isEmpty()) ++first;
  if (first < lines.size()) {
    const QStringList fields = splitFields(lines[first], sep);
    const bool holdsReference =
        std::any_of(fields.begin(), fields.end(), [](const QString& f) { return listReference(f).has_value(); });
    if (!holdsReference) {
      if (auto heading = headingColumns(fields)) {
        columns = *heading;
        ++first;
      }
    } else {
      for (int i = 0; i < fields.size(); ++i)
        if (listReference(fields[i])) {
          columns = {i, i + 1, i + 2, i + 3, i + 4, -1};
          break;
        }
    }
  }

  std::map<QByteArray, bool> countries;  // each country of the list once
  for (qsizetype i = first; i < lines.size(); ++i) {
    const QStringView line = lines[i];
    if (line.trimmed().isEmpty()) continue;
    const auto malformed = [&] {
      if (r.malformedLines.size() < kMalformedLinesKept) r.malformedLines << int(i + 1);
      ++r.malformed;
    };
    if (line.size() > kAwardListMaxLine) {
      malformed();
      continue;
    }
    const QStringList f = splitFields(line, sep);
    const auto ref = listReference(f.value(columns.reference));
    if (!ref) {
      malformed();
      continue;
    }
    if (list.size() >= kAwardListMaxCastles) return failedImport(AwardListImport::TooLarge);
    ListedCastle c;
    c.key = *ref;
    if (columns.name >= 0) c.name = cleanText(f.value(columns.name), 200);
    if (columns.region >= 0 && columns.region != columns.latitude) {
      // Without a heading the third column is the region only when it is
      // no number (a list of reference, name, latitude, longitude).
      const QString region = cleanText(f.value(columns.region), 100);
      if (!coordinate(region, 180)) c.region = region;
    }
    if (columns.latitude >= 0) c.latitude = coordinate(f.value(columns.latitude), 90);
    if (columns.longitude >= 0) c.longitude = coordinate(f.value(columns.longitude), 180);
    if (!c.latitude || !c.longitude) c.latitude = c.longitude = std::nullopt;
    const QByteArray country =
        columns.country >= 0 ? f.value(columns.country).trimmed().toUpper().toUtf8() : c.prefix().toByteArray();
    if (!list.add(std::move(c))) {
      ++r.duplicates;
      continue;
    }
    countries.emplace(country, false);
  }
  r.castles = list.size();
  if (r.castles == 0) {
    r.status = AwardListImport::NoReference;
    return r;
  }
  if (knownCountry) {
    qsizetype known = 0;
    for (const auto& [country, unused] : countries) {
      if (knownCountry(country))
        ++known;
      else
        ++r.unknownCountries;
    }
    r.anotherAward = known == 0;
  }
  return r;
}

QString awardListPath(const QString& dataDir) { return dataDir + QStringLiteral("/Liste_Diplome_KTL.txt"); }

LogResult storeAwardList(const QString& path, const AwardList& list) {
  return writeFileAtomically(path, [&](const ByteSink& sink) {
    const auto field = [](const QString& text) { return text.toUtf8(); };
    const auto number = [](const std::optional<double>& v) {
      return v ? QByteArray::number(*v, 'f', 6) : QByteArray();
    };
    QByteArray out;
    out.reserve(1 << 16);
    out += kStoredHead;
    out += '\t' + field(list.source) + '\t' + list.imported.toUTC().toString(Qt::ISODate).toLatin1() + "\r\n";
    for (const ListedCastle& c : list.castles()) {
      out += c.key + '\t' + field(c.name) + '\t' + field(c.region) + '\t' + number(c.latitude) + '\t' +
             number(c.longitude) + "\r\n";
      if (out.size() > (1 << 16) - 512) {
        sink(out);
        out.clear();
      }
    }
    sink(out);
    return true;
  });
}

namespace {

// A key as the stored list writes it: 1 to 4 capitals and digits, "-", 1
// to 5 more.
bool storedKey(QByteArrayView key) {
  const qsizetype dash = key.indexOf('-');
  if (dash < 1 || dash > 4 || key.size() - dash - 1 < 1 || key.size() - dash - 1 > 5) return false;
  for (qsizetype i = 0; i < key.size(); ++i) {
    const char c = key[i];
    if (i != dash && !((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// The fields of a stored line, cut at its tabs without a copy.
std::array<QByteArrayView, 5> tabFields(QByteArrayView line) {
  std::array<QByteArrayView, 5> f;
  for (std::size_t i = 0; i < f.size() && !line.isNull(); ++i) {
    const qsizetype tab = line.indexOf('\t');
    f[i] = tab < 0 ? line : line.first(tab);
    line = tab < 0 ? QByteArrayView() : line.sliced(tab + 1);
  }
  return f;
}

}  // namespace

std::shared_ptr<const AwardList> loadAwardList(const QString& path, LogResult* result) {
  auto list = std::make_shared<AwardList>();
  if (result) *result = {};
  QFile file(path);
  if (!file.exists()) return list;
  QByteArray bytes;
  if (!file.open(QIODevice::ReadOnly) || file.size() > kAwardListMaxBytes * 2 ||
      (bytes = file.readAll(), file.error() != QFileDevice::NoError)) {
    if (result) *result = {LogResult::ReadFailed, file.errorString()};
    return list;
  }
  list->reserve(bytes.count('\n'));
  bool head = true;
  forEachLineIn(bytes, [&](QByteArrayView line) {
    const std::array<QByteArrayView, 5> f = tabFields(line);
    if (std::exchange(head, false) && line.startsWith(kStoredHead)) {
      list->source = QString::fromUtf8(f[1]);
      list->imported = QDateTime::fromString(QString::fromLatin1(f[2]), Qt::ISODate);
      return;
    }
    if (!storedKey(f[0])) return;  // a line edited by hand: not a castle
    ListedCastle c;
    c.key = f[0].toByteArray();
    c.name = QString::fromUtf8(f[1]);
    if (!f[2].isEmpty()) c.region = QString::fromUtf8(f[2]);
    if (!f[3].isEmpty() && !f[4].isEmpty()) {
      bool okLat = false, okLon = false;
      const double lat = f[3].toByteArray().toDouble(&okLat), lon = f[4].toByteArray().toDouble(&okLon);
      if (okLat && okLon) c.latitude = lat, c.longitude = lon;
    }
    list->add(std::move(c));
  });
  return list;
}

AwardListImport importAwardList(const QString& file, const QString& dataDir, const QDateTime& now) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return failedImport(AwardListImport::Unreadable, in.errorString());
  if (in.size() > kAwardListMaxBytes) return failedImport(AwardListImport::TooLarge);
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) return failedImport(AwardListImport::Unreadable, in.errorString());

  // Countries are checked against the prefix table when there is one.
  KnownCountry known;
  const QString tablePath = prefixTablePath(dataDir);
  std::optional<PrefixTable> table;
  if (QFileInfo(tablePath).size() > 0) {
    table = PrefixTable::read(tablePath);
    known = [&table](QByteArrayView prefix) { return table->country(prefix).has_value(); };
  }
  AwardList list;
  AwardListImport r = parseAwardList(bytes, known, list);
  if (!r.ok()) return r;
  list.source = QFileInfo(file).fileName();
  list.imported = now.toUTC();
  const LogResult stored = storeAwardList(awardListPath(dataDir), list);
  if (!stored.ok()) {
    r.status = AwardListImport::WriteFailed;
    r.detail = stored.detail;
  }
  return r;
}

// ---- the program's copy -------------------------------------------------------

AwardListStore::AwardListStore(QString dataDir, QObject* parent)
    : QObject(parent), dataDir_(std::move(dataDir)), list_(std::make_shared<AwardList>()) {
  setObjectName(QStringLiteral("AwardListStore"));
  reloadIfChanged();
}

AwardListStore& AwardListStore::of(ProgramState& state) {
  if (auto* store = state.findChild<AwardListStore*>(QStringLiteral("AwardListStore"), Qt::FindDirectChildrenOnly))
    return *store;
  return *new AwardListStore(state.dataDir(), &state);
}

bool AwardListStore::reloadIfChanged() {
  const QFileInfo info(path());
  const QDateTime stamp = info.exists() ? info.lastModified() : QDateTime();
  const qint64 size = info.exists() ? info.size() : -1;
  if (stamp == stamp_ && size == size_) return false;
  stamp_ = stamp;
  size_ = size;
  list_ = loadAwardList(path());
  return true;
}

std::shared_ptr<const AwardList> AwardListStore::list() {
  if (reloadIfChanged()) emit changed();
  return list_;
}

AwardListImport AwardListStore::import(const QString& file, const QDateTime& now) {
  const AwardListImport r = importAwardList(file, dataDir_, now);
  if (r.ok()) {
    // The file is read again even when its time and size look unchanged
    // (two imports within the file system's clock step).
    stamp_ = QDateTime();
    size_ = -2;
    list();
  }
  return r;
}

}  // namespace ktl
