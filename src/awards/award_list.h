// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award's published list of castles, and how the program identifies a
// castle.
//
// A castle is its reference: the country prefix and the castle number,
// without the blanks around them, in capitals, joined by "-" ("OK-08815").
// It is the key the contacted-castles list de-duplicates on (the whole
// reference, letter case ignored), so both count the same castles; a
// number typed in the log as "8815" is another castle than "08815" there
// too. A castle's country is its prefix.
//
// The operator imports the list as the award publishes it: a CSV or
// semicolon (or tab) file of references and names, and where present the
// region and the latitude and longitude, in UTF-8 or Windows-1252, with or
// without a heading line. The program keeps its own normalized copy in the
// data folder (awardListPath): UTF-8, tab-separated, CR LF, one castle a
// line after a first line naming the file imported and when; a newer import
// replaces it at once through the one atomic write.
#include "awards/castle_code.h"
#include "log/log_file.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ktl {

class ProgramState;

// The castle of a log line: "OK-08815" from its two parts ("  OK",
// "08815"), blanks around each removed, letters in capitals (Windows-1252
// case); empty when either part is empty.
CastleCode castleCodeOfLine(QByteArrayView logLine);

// A castle name from the list as the log can keep it: a letter that
// Windows-1252 lacks loses its accent ("Český" becomes "Ceský"), anything
// else that has no byte there becomes "?", and the name is cut to the log's
// 60 columns.
QString castleNameForLog(const QString& name);

struct ListedCastle {
  QByteArray key;  // "OK-08815"
  QString name;
  QString region;
  std::optional<double> latitude, longitude;
  QByteArrayView prefix() const { return QByteArrayView(key).first(key.indexOf('-')); }
};

class AwardList {
 public:
  bool isEmpty() const { return castles_.empty(); }
  qsizetype size() const { return qsizetype(castles_.size()); }
  const std::vector<ListedCastle>& castles() const { return castles_; }
  // The castle of `key` ("OK-08815"), or null.
  const ListedCastle* find(QByteArrayView key) const { return find(CastleCode::of(key)); }
  const ListedCastle* find(const CastleCode& code) const {
    const int i = index_.find(code);
    return i < 0 ? nullptr : &castles_[i];
  }
  // The castle's name for a reference as typed or spotted ("ok", "08815"):
  // empty when the list does not know it. What the entry and the live spots
  // show beside a reference.
  QString nameOf(QStringView prefix, QStringView number) const;
  // The list's countries, each once, in ascending order, and the castles of
  // one (indices into castles(), in reference order).
  QByteArrayList prefixes() const;
  const std::vector<qsizetype>& castlesOf(QByteArrayView prefix) const;

  // Where the stored list came from: the file's name and when it was
  // imported (UTC); empty for a list never stored.
  QString source;
  QDateTime imported;

  // Adds a castle; false (nothing added) when its key is already there.
  bool add(ListedCastle castle);
  void reserve(qsizetype castles);

 private:
  std::vector<ListedCastle> castles_;
  CastleCodeMap index_;
  std::map<QByteArray, std::vector<qsizetype>> byPrefix_;
  // The prefix of the castle added last, and its castles: a list comes
  // country by country.
  QByteArray lastPrefix_;
  std::vector<qsizetype>* lastOfPrefix_ = nullptr;
};

// What an import found, for the operator's message.
struct AwardListImport {
  enum Status {
    Imported,
    Unreadable,   // the file cannot be read (detail: the system's reason)
    Empty,        // nothing but blanks
    NotText,      // NUL or other control bytes: not a list
    TooLarge,     // more than kAwardListMaxBytes
    NoReference,  // text, but not one line holds a castle reference
    WriteFailed,  // the list is good but could not be stored (detail)
  };
  Status status = Imported;
  QString detail;
  qsizetype castles = 0;
  qsizetype malformed = 0;   // lines without a reference where one belongs
  QList<int> malformedLines;  // the first few of them, 1-based
  qsizetype duplicates = 0;  // references seen before: the first line counts
  bool utf8 = true;          // else Windows-1252
  char separator = ';';
  // The countries of the list (its country column where it has one, else
  // the prefixes of its references) that the prefix table does not know,
  // and whether it knows none of them: a list of another award.
  qsizetype unknownCountries = 0;
  bool anotherAward = false;
  bool ok() const { return status == Imported; }
};

// The bounds on a published list: a larger file or more castles are
// refused, a longer line is malformed.
inline constexpr qint64 kAwardListMaxBytes = 64 << 20;
inline constexpr qsizetype kAwardListMaxCastles = 1000000;
inline constexpr qsizetype kAwardListMaxLine = 4096;
// Line numbers kept of the malformed lines.
inline constexpr int kMalformedLinesKept = 5;

// Whether the prefix table knows a country ("OK"); null when there is no
// table to ask, and then no country is checked.
using KnownCountry = std::function<bool(QByteArrayView prefix)>;

// Reads a published list from its bytes into `list`.
AwardListImport parseAwardList(QByteArrayView bytes, const KnownCountry& knownCountry, AwardList& list);

// "<data folder>/Liste_Diplome_KTL.txt"
QString awardListPath(const QString& dataDir);

// Imports `file` into the data folder, its countries checked against the
// folder's prefix table: the stored list is replaced only when the file
// gives castles; otherwise it stays as it was.
AwardListImport importAwardList(const QString& file, const QString& dataDir, const QDateTime& now);
// Writes `list` as the stored list.
LogResult storeAwardList(const QString& path, const AwardList& list);
// The stored list; a missing file is an empty list.
std::shared_ptr<const AwardList> loadAwardList(const QString& path, LogResult* result = nullptr);

// The stored list of one data folder, read once and again only when the
// file changed (an import, here or by the command line). One per program:
// of() makes it the first time, as a child of the program's state, so every
// window shares it.
class AwardListStore : public QObject {
  Q_OBJECT
 public:
  explicit AwardListStore(QString dataDir, QObject* parent = nullptr);
  static AwardListStore& of(ProgramState& state);

  // The current list (never null; empty without a stored list).
  std::shared_ptr<const AwardList> list();
  // The name the list gives a reference; empty when it has none.
  QString nameOf(QStringView prefix, QStringView number) { return list()->nameOf(prefix, number); }
  AwardListImport import(const QString& file, const QDateTime& now);
  QString path() const { return awardListPath(dataDir_); }

 signals:
  // A new list is in place (imported, or the file changed on disk).
  void changed();

 private:
  bool reloadIfChanged();

  QString dataDir_;
  std::shared_ptr<const AwardList> list_;
  QDateTime stamp_;
  qint64 size_ = -1;
};

}  // namespace ktl
