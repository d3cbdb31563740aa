// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The QSOs' full records beside the log: the fields a record gives, a real
// SQLite store kept in step with the log's changes, the rule for identical
// lines, an import's one transaction, and the stores that cannot serve
// (not a database, not ours, read-only), which never stop a QSO.
#include "adif/qso_extras.h"
#include "extras/adif_with_extras.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "test_files.h"
#include "test_log_lines.h"

#include <QtSql>
#include <QtTest>

#include <sys/mount.h>

using namespace ktl;

namespace {

QByteArray fieldsText(const AdifFields& fields) {
  QByteArrayList out;
  for (const AdifField& f : fields) out << f.tag + "=" + f.value;
  return out.join('|');
}

const QByteArray kA = logLineOf("OK1AA|||07/01/16|08:35|MFS|14 Mhz|-15|||XX");
const QByteArray kB = logLineOf("OK1BB|||07/01/16|08:36|FT8|14 Mhz|-10|||XX");

}  // namespace

class TestExtrasStore : public QObject {
  Q_OBJECT
 private slots:
  // Fields of a record as other programs write them.
  void readFields_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("fields");
    QTest::newRow("lengths right, case kept, empty left out, type indicator")
        << QByteArray("<call:5>OK1aa <gridsquare:0> <QSO_DATE:8:D>20160107 <Comment:9>Bon  jour<eor>")
        << QByteArray("CALL=OK1aa|QSO_DATE=20160107|COMMENT=Bon  jour");
    QTest::newRow("a note after the value, a length too short")
        << QByteArray("<MY_STATE:2>SM // Smolenskaya oblast'<COMMENT:4>1234\xB9\xAB\xC0\xEF<EOR>")
        << QByteArray("MY_STATE=SM|COMMENT=1234\xB9\xAB\xC0\xEF");
    QTest::newRow("a value holding < and >, no length, a tab-only value")
        << QByteArray("<NOTES:7>a <b> c <PROGRAMID>MixW<SIG_INFO:2>\t\t<EOR>")
        << QByteArray("NOTES=a <b> c|PROGRAMID=MixW");
  }
  void readFields() {
    QFETCH(QByteArray, record);
    const AdifFields fields = readAdifFields(record);
    QTEST(fieldsText(fields), "fields");
    QCOMPARE(parseStoredFields(storedFields(fields)), fields);
  }

  // The key ignores what the sort blanks; the entry window's edit merges.
  void keyAndEdit() {
    // A repeat mark, and a separator typed over.
    const QByteArray marked = QByteArray(kA).replace(23, 1, "*").replace(12, 1, "x");
    QCOMPARE(qsoKey(marked), qsoKey(kA));
    QVERIFY(qsoKey(kA) != qsoKey(kB));
    const QByteArray stored = "<MODE:4>MFSK<SUBMODE:3>FT4<FREQ:6>14.074<GRIDSQUARE:4>JN79";
    // The castle name corrected: the file's fields stay.
    const QByteArray renamed = logLineOf("OK1AA|||07/01/16|08:35|MFS|14 Mhz|-15|CASTLE||XX");
    QCOMPARE(mergeEntryEdit(stored, kA, renamed, {"MFS", {}, {}, {}}), stored);
    // The mode and band changed: the entry's, the frequency gone.
    const QByteArray changed = logLineOf("OK1AA|||07/01/16|08:35|RTT|7.0 Mhz|-15|||XX");
    QCOMPARE(fieldsText(parseStoredFields(mergeEntryEdit(stored, kA, changed, {"RTTY", {}, {}, {}}))),
             "GRIDSQUARE=JN79|MODE=RTTY|BAND=40m");
  }

  // Rows follow the log's changes; identical lines take rows in order.
  void storeFollowsTheLog() {
    QTemporaryDir tmp;
    const QString log = tmp.filePath("F0ORB_KTL.log");
    QCOMPARE(ExtrasStore::pathFor(log), tmp.filePath("F0ORB_KTL.extras.sqlite"));
    {
      ExtrasStore store(log);
      // Nothing made before a write.
      QVERIFY(store.rowCount() == 0 && !QFile::exists(store.path()) && !store.lookup());
      QVERIFY(store.add(kA, "<FREQ:6>14.074") && store.add(kA, "<FREQ:6>14.075") && store.add(kB, "<FREQ:6>14.076"));
    }
    ExtrasStore store(log);  // again from the file
    QCOMPARE(store.rowCount(), 3);
    // A third identical line has none. (A braced list is read in order.)
    const QsoExtrasLookup next = store.lookup();
    QCOMPARE((QByteArrayList{next(qsoKey(kA)), next(qsoKey(kB)), next(qsoKey(kA)), next(qsoKey(kA))}).join('|'),
             "<FREQ:6>14.074|<FREQ:6>14.076|<FREQ:6>14.075|");
    const QByteArray edited = logLineOf("OK1AA|||07/01/16|08:35|RTT|14 Mhz|-15|||XX");
    QVERIFY(store.replace(kA, edited, {"RTTY", {}, {}, {}}));
    QCOMPARE(store.lookup()(qsoKey(edited)), "<FREQ:6>14.074<MODE:4>RTTY");
    QVERIFY(store.remove(edited) && store.rowCount() == 1);
    QCOMPARE(store.trouble(), ExtrasStore::Trouble::None);
  }

  // An import writes its rows in one transaction, after the log; a failed
  // import leaves none.
  void importTransaction() {
    QTemporaryDir tmp;
    const QString log = tmp.filePath("F0ORB_KTL.log"), adi = tmp.filePath("in.adi");
    QVERIFY(writeFile(adi, "<EOH><CALL:5>OK1AA <QSO_DATE:8>20160107 <TIME_ON:6>083512 <FREQ:6>14.074 <EOR>"
                           "<CALL:5>OK1BB <QSO_DATE:8>20160107 <TIME_ON:4>0836 <BAND:4>13cm <EOR>"));
    ExtrasStore store(log);
    const ImportWithExtras done = importAdifWithExtras(adi, log, {}, {}, store);
    QVERIFY(done.result.ok() && done.kept == 2);
    const QByteArrayList lines = readFile(log).split('\n');
    const QsoExtrasLookup next = store.lookup();
    QCOMPARE(next(qsoKey(lines[0].chopped(1))), "<CALL:5>OK1AA<QSO_DATE:8>20160107<TIME_ON:6>083512<FREQ:6>14.074");
    QCOMPARE(storedValue(next(qsoKey(lines[1].chopped(1))), "BAND"), "13cm");
    // An import that fails once records are read (a record too large after
    // a good one) leaves no row of them.
    const QString bad = tmp.filePath("bad.adi");
    QVERIFY(writeFile(bad, "<CALL:5>OK1CC <QSO_DATE:8>20160107 <TIME_ON:4>0900 <EOR><COMMENT:1>" +
                               QByteArray(kMaxAdifRecordBytes + 10, 'x') + "<EOR>"));
    QCOMPARE(importAdifWithExtras(bad, log, {}, {}, store).result.status, AdifImportResult::RecordTooLarge);
    QCOMPARE(store.rowCount(), 2);
  }

  // A store that cannot serve is told once, in the language asked, and
  // leaves its file as it was; the import goes on without it. "readonly":
  // a read-only file system (which holds for root, as CI runs).
  void troubledStores_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("trouble");
    QTest::addColumn<QString>("head");
    const QString unusable = "The file of the QSOs' full records cannot be used (it is not ours, or it is damaged):";
    const QString unwritten = "The file of the QSOs' full records could not be written:";
    QTest::newRow("not a database") << "text" << int(ExtrasStore::Trouble::Unusable) << unusable;
    QTest::newRow("another program's database") << "foreign" << int(ExtrasStore::Trouble::Unusable) << unusable;
    QTest::newRow("read-only") << "readonly" << int(ExtrasStore::Trouble::NotWritten) << unwritten;
  }
  void troubledStores() {
    QFETCH(QString, kind);
    QFETCH(QString, head);
    QTemporaryDir tmp;
    const QByteArray at = QFile::encodeName(tmp.path());
    if (kind == "readonly") QCOMPARE(::mount("tmpfs", at.constData(), "tmpfs", 0, "size=1m"), 0);
    const auto unmount = qScopeGuard([&] { ::umount2(at.constData(), MNT_DETACH); });  // fails when not mounted
    const QString log = tmp.filePath("F0ORB_KTL.log"), db = ExtrasStore::pathFor(log);
    if (kind == "text") QVERIFY(writeFile(db, "not a database at all, but text of some length\n"));
    if (kind == "readonly") QVERIFY(ExtrasStore(log).add(kA, "<FREQ:1>7"));
    if (kind == "foreign") {
      auto c = QSqlDatabase::addDatabase("QSQLITE", "maker");
      c.setDatabaseName(db);
      QVERIFY(c.open() && QSqlQuery(c).exec("CREATE TABLE qso (call TEXT)"));
      c.close();
    }
    if (kind == "readonly")
      QCOMPARE(::mount("tmpfs", at.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m"), 0);
    const QByteArray before = readFile(db);
    ExtrasStore store(log);
    if (kind == "text" || kind == "foreign") {
      QVERIFY(writeFile(tmp.filePath("in.adi"), "<CALL:5>OK1AA <QSO_DATE:8>20160107 <TIME_ON:4>0835 <EOR>"));
      const ImportWithExtras imported = importAdifWithExtras(tmp.filePath("in.adi"), log, {}, {}, store);
      QVERIFY(imported.result.ok() && imported.kept == 0 && readFile(log).startsWith("OK1AA"));
    }
    QVERIFY(!store.add(kB, "<FREQ:1>7"));
    QTEST(int(store.trouble()), "trouble");
    const auto report = store.takeReport(Language::English);
    QVERIFY2(report && report->startsWith(head) && report->contains(db) && report->contains("every QSO is written"),
             qPrintable(report.value_or("no report")));
    QVERIFY(!store.takeReport(Language::English));  // once
    QCOMPARE(readFile(db), before);
  }
};

QTEST_GUILESS_MAIN(TestExtrasStore)
#include "test_extras_store.moc"
