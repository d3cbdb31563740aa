// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/extras_store.h"

#include "texts/program_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace ktl {
namespace {

constexpr int kApplicationId = 0x4B544C58;  // "KTLX"
constexpr int kSchemaVersion = 1;

QString connectionName() {
  static std::atomic<int> next{0};
  return QStringLiteral("ktl-extras-%1").arg(next++);
}

QByteArray bytesOf(QByteArrayView v) { return QByteArray(v.data(), v.size()); }

}  // namespace

struct ExtrasStore::Impl {
  QString path;
  QString name = connectionName();
  bool opened = false;     // the connection is open
  bool ours = false;       // the file holds our table (or was just made so)
  bool importing = false;
  Trouble trouble = Trouble::None;
  QString detail;
  bool reported = false;
  std::unique_ptr<QSqlQuery> insert, select;

  QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

  void fail(Trouble t, const QString& why) {
    if (trouble != Trouble::Unusable) trouble = t;
    detail = why;
  }
  bool exec(QSqlQuery& q, const QString& sql) {
    if (q.exec(sql)) return true;
    fail(Trouble::NotWritten, q.lastError().text());
    return false;
  }

  // Opens the file when it exists (or `create`), and checks it is ours.
  bool open(bool create) {
    if (trouble == Trouble::Unusable) return false;
    if (opened) return ours;
    const bool exists = QFileInfo::exists(path);
    if (!exists && !create) return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    // A file we may not write to is read only; what it cannot do is a
    // failed write, not a damaged file.
    const bool readOnly = exists && !QFileInfo(path).isWritable();
    const Trouble cannotOpen = exists && !readOnly ? Trouble::Unusable : Trouble::NotWritten;
    if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
      fail(cannotOpen, db.lastError().text());
      return false;
    }
    opened = true;
    QSqlQuery q(db);
    // A file that is not SQLite fails here, at its first read.
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
      fail(cannotOpen, q.lastError().text());
      return false;
    }
    const int id = q.value(0).toInt();
    q.exec(QStringLiteral("PRAGMA user_version"));
    const int version = q.next() ? q.value(0).toInt() : -1;
    q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const int objects = q.next() ? q.value(0).toInt() : -1;
    if (id == 0 && version == 0 && objects == 0) {
      // An empty database (a new file): made ours.
      if (!exec(q, QStringLiteral("PRAGMA journal_mode=WAL"))) return false;
      const bool made = db.transaction() &&
                        exec(q, QStringLiteral("CREATE TABLE qso (id INTEGER PRIMARY KEY, hash INTEGER NOT NULL, "
                                               "line BLOB NOT NULL, fields BLOB NOT NULL)")) &&
                        exec(q, QStringLiteral("CREATE INDEX qso_hash ON qso(hash)")) &&
                        exec(q, QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)) &&
                        exec(q, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) && db.commit();
      if (!made) {
        db.rollback();
        return false;
      }
    } else if (id != kApplicationId || version != kSchemaVersion) {
      fail(Trouble::Unusable, QStringLiteral("application_id %1, user_version %2").arg(id).arg(version));
      return false;
    } else if (!q.exec(QStringLiteral("SELECT id, hash, line, fields FROM qso LIMIT 0"))) {
      fail(Trouble::Unusable, q.lastError().text());
      return false;
    }
    // Writes are synced at each commit; a read-only file keeps its mode.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    q.exec(QStringLiteral("PRAGMA cache_size=-32768"));  // 32 MiB: a large import's index stays in memory
    ours = true;
    return true;
  }

  bool insertRow(QByteArrayView line, QByteArrayView fields) {
    if (!insert) {
      insert = std::make_unique<QSqlQuery>(db());
      if (!insert->prepare(QStringLiteral("INSERT INTO qso (hash, line, fields) VALUES (?, ?, ?)"))) {
        fail(Trouble::NotWritten, insert->lastError().text());
        insert.reset();
        return false;
      }
    }
    const QByteArray key = qsoKey(line);
    insert->bindValue(0, qsoKeyHash(key));
    insert->bindValue(1, key);
    insert->bindValue(2, bytesOf(fields));
    if (insert->exec()) return true;
    fail(Trouble::NotWritten, insert->lastError().text());
    return false;
  }

  // The rows of a key, in the order they were stored: (id, fields).
  QList<std::pair<qint64, QByteArray>> rowsOf(const QByteArray& key) {
    QList<std::pair<qint64, QByteArray>> rows;
    if (!select) {
      select = std::make_unique<QSqlQuery>(db());
      select->setForwardOnly(true);
      select->prepare(QStringLiteral("SELECT id, line, fields FROM qso WHERE hash = ? ORDER BY id"));
    }
    QSqlQuery& q = *select;
    q.bindValue(0, qsoKeyHash(key));
    if (!q.exec()) return rows;
    while (q.next())
      if (q.value(1).toByteArray() == key) rows.append({q.value(0).toLongLong(), q.value(2).toByteArray()});
    q.finish();
    return rows;
  }
};

ExtrasStore::ExtrasStore(const QString& logPath) : d(std::make_unique<Impl>()) {
  d->path = pathFor(logPath);
  d->open(false);
}

ExtrasStore::~ExtrasStore() {
  if (d->importing) rollbackImport();
  d->insert.reset();
  d->select.reset();
  const QString name = d->name;
  if (QSqlDatabase::contains(name)) {
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
  }
}

QString ExtrasStore::pathFor(const QString& logPath) {
  QString base = logPath;
  if (base.endsWith(QLatin1String(".log"))) base.chop(4);
  return base + QStringLiteral(".extras.sqlite");
}

QString ExtrasStore::path() const { return d->path; }

bool ExtrasStore::add(QByteArrayView logLine, QByteArrayView fields) {
  return d->open(true) && d->insertRow(logLine, fields);
}

bool ExtrasStore::replace(QByteArrayView oldLine, QByteArrayView newLine, const EntryKnown& known) {
  if (!d->open(true)) return false;
  QSqlDatabase db = d->db();
  const QByteArray oldKey = qsoKey(oldLine), newKey = qsoKey(newLine);
  const auto rows = d->rowsOf(oldKey);
  if (rows.isEmpty()) return d->insertRow(newLine, entryFields(newLine, known));
  if (!db.transaction()) {
    d->fail(Trouble::NotWritten, db.lastError().text());
    return false;
  }
  QSqlQuery q(db);
  q.prepare(QStringLiteral("UPDATE qso SET hash = ?, line = ?, fields = ? WHERE id = ?"));
  for (const auto& [id, fields] : rows) {
    q.bindValue(0, qsoKeyHash(newKey));
    q.bindValue(1, newKey);
    q.bindValue(2, mergeEntryEdit(fields, oldLine, newLine, known));
    q.bindValue(3, id);
    if (!q.exec()) {
      d->fail(Trouble::NotWritten, q.lastError().text());
      db.rollback();
      return false;
    }
  }
  if (db.commit()) return true;
  d->fail(Trouble::NotWritten, db.lastError().text());
  db.rollback();
  return false;
}

bool ExtrasStore::remove(QByteArrayView logLine) {
  if (!d->open(false)) return d->trouble == Trouble::None;  // no store: nothing to remove
  const QByteArray key = qsoKey(logLine);
  QSqlQuery q(d->db());
  q.prepare(QStringLiteral("DELETE FROM qso WHERE hash = ? AND line = ?"));
  q.bindValue(0, qsoKeyHash(key));
  q.bindValue(1, key);
  if (q.exec()) return true;
  d->fail(Trouble::NotWritten, q.lastError().text());
  return false;
}

bool ExtrasStore::beginImport() {
  if (!d->open(true)) return false;
  QSqlDatabase db = d->db();
  if (!db.transaction()) {
    d->fail(Trouble::NotWritten, db.lastError().text());
    return false;
  }
  d->importing = true;
  return true;
}

void ExtrasStore::addImported(QByteArrayView logLine, QByteArrayView fields) {
  if (d->importing && !d->insertRow(logLine, fields)) rollbackImport();
}

bool ExtrasStore::commitImport() {
  if (!d->importing) return false;
  d->importing = false;
  QSqlDatabase db = d->db();
  if (db.commit()) return true;
  d->fail(Trouble::NotWritten, db.lastError().text());
  db.rollback();
  return false;
}

void ExtrasStore::rollbackImport() {
  if (!d->importing) return;
  d->importing = false;
  d->db().rollback();
}

QsoExtrasLookup ExtrasStore::lookup() {
  if (!d->open(false)) return {};
  // Every row read in one pass, in the order it was stored: one query for
  // the whole export instead of one per line.
  auto rows = std::make_shared<QHash<QByteArray, QList<QByteArray>>>();
  {
    QSqlQuery q(d->db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT line, fields FROM qso ORDER BY id"))) return {};
    while (q.next()) (*rows)[q.value(0).toByteArray()].append(q.value(1).toByteArray());
  }
  if (rows->isEmpty()) return {};
  return [rows](QByteArrayView key) -> QByteArray {
    const auto it = rows->find(bytesOf(key));
    if (it == rows->end() || it->isEmpty()) return {};
    return it->takeFirst();
  };
}

qsizetype ExtrasStore::rowCount() {
  if (!d->open(false)) return d->trouble == Trouble::None ? 0 : -1;
  QSqlQuery q(d->db());
  if (!q.exec(QStringLiteral("SELECT count(*) FROM qso")) || !q.next()) return -1;
  return q.value(0).toLongLong();
}

ExtrasStore::Trouble ExtrasStore::trouble() const { return d->trouble; }
QString ExtrasStore::detail() const { return d->detail; }

std::optional<QString> ExtrasStore::takeReport(Language language) {
  if (d->trouble == Trouble::None || d->reported) return std::nullopt;
  const QString text = extrasTroubleText(d->trouble == Trouble::Unusable, QDir::toNativeSeparators(d->path),
                                         d->detail, language);
  if (text.isNull()) return std::nullopt;
  d->reported = true;
  return text;
}

}  // namespace ktl
