// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The award's figures without a window: the published list as files of
// other programs write it (separators, encodings, headings, bad lines), the
// program's stored copy, the tally of a log against it as the log changes
// line by line.
#include "awards/award_list.h"
#include "awards/award_report.h"
#include "awards/award_tally.h"
#include "test_files.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;

namespace {

struct Log {
  QList<QByteArray> lines;
  AwardTally::Update into(AwardTally& t) const {
    return t.update(lines.size(), [this](qsizetype i) { return QByteArrayView(lines[i]); });
  }
};

// The figures of a tally as one text: a line per country ("prefix worked
// confirmed QSOs listed listed-worked not-in-list [worked/confirmed by
// band]"), one per month, then the castles without a readable date.
QString figures(const AwardTally& t) {
  QStringList out;
  for (int i : countriesInOrder(t)) {
    const AwardTally::Country& k = t.countries()[i];
    QStringList bands;
    for (std::size_t b = 0; b < k.bandWorked.size(); ++b) bands << QStringLiteral("%1/%2").arg(k.bandWorked[b]).arg(k.bandConfirmed[b]);
    out << QStringLiteral("%1 w%2 c%3 q%4 l%5 lw%6 n%7 [%8]").arg(QString::fromLatin1(k.prefix)).arg(k.worked)
               .arg(k.confirmed).arg(k.qsos).arg(k.listed).arg(k.listedWorked).arg(k.notInList).arg(bands.join(u' '));
  }
  for (const AwardTally::Month& m : t.months()) out << QStringLiteral("%1:%2/%3").arg(m.yearMonth).arg(m.worked).arg(m.confirmed);
  out << QStringLiteral("undated %1").arg(t.undatedCastles());
  return out.join(u'\n');
}

const QByteArrayList kTwoBands = {"7.0 Mhz", "14 Mhz"};

std::shared_ptr<const AwardList> listOf(const QByteArray& text) {
  auto list = std::make_shared<AwardList>();
  parseAwardList(text, {}, *list);
  return list;
}

}  // namespace

class TestAwardFigures : public QObject {
  Q_OBJECT
 private slots:
  // The published list as other programs write it, and what is no list.
  void publishedLists_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    // "castles malformed duplicates|first key|first name|separator|UTF-8 or not"
    QTest::addColumn<QString>("read");
    const auto row = [](const char* name, const QByteArray& file, const QString& read,
                        AwardListImport::Status status = AwardListImport::Imported) {
      QTest::newRow(name) << file << int(status) << read;
    };
    row("semicolons, heading, UTF-8",
        "Référence;Nom;Région;Lat;Lon\r\nOK-08815;Hrad Bouzov;Olomoucký kraj;49.7042;16.8925\r\n"
        "F-01051;Château de Foix;Ariège;42,9653;1,6070\r\n",
        "2 0 0|OK-08815|Hrad Bouzov|;|utf8");
    row("tabs, no heading, short numbers padded", "ok-8815\tBouzov\nI-1\tCastello\n", "2 0 0|OK-08815|Bouzov|\t|utf8");
    row("Windows-1252 names", "F-01051;Ch\xE2teau d'\xC9vian\r\n", "1 0 0|F-01051|Château d'Évian|;|");
    row("bad lines counted, duplicates: the first wins",
        "OK-00001;Prvni\nnot a castle;x\nOK-00001;Druhy\nOK-123456;too long\n\nOK-00002;Dva\n", "2 2 1|OK-00001|Prvni|;|utf8");
    row("a line longer than any list's", "OK-00001;" + QByteArray(5000, 'x') + "\nOK-00002;Dva\n", "1 1 0|OK-00002|Dva|;|utf8");
    row("empty", "", "", AwardListImport::Empty);
    row("binary", QByteArray("PK\x03\x04\x00\x00OK-00001;x", 16), "", AwardListImport::NotText);
    row("text without a reference", "name;town\nFoix;Foix\n", "0 1 0", AwardListImport::NoReference);
  }
  void publishedLists() {
    QFETCH(QByteArray, file);
    AwardList list;
    const AwardListImport r = parseAwardList(file, {}, list);
    QTEST(int(r.status), "status");
    QString read;
    if (r.status == AwardListImport::Imported || r.status == AwardListImport::NoReference)
      read = QStringLiteral("%1 %2 %3").arg(r.castles).arg(r.malformed).arg(r.duplicates);
    if (r.castles > 0)
      read += '|' + QString::fromLatin1(list.castles().front().key) + '|' + list.castles().front().name + '|' +
              QChar(r.separator) + '|' + (r.utf8 ? "utf8" : "");
    QTEST(read, "read");
  }

  // The program's stored copy of the list, its names looked up, and a
  // copy another program replaced read again.
  void storedListAndItsStore() {
    QTemporaryDir dir;
    const QString data = dir.path(), file = dir.filePath("published.csv");
    writeFile(file, "ref;name;region;lat;lon\nOK-08815;Hrad Bouzov;Olomoucký kraj;49.7042;16.8925\nF-01051;Foix;;;\n");
    AwardListStore store(data);
    QSignalSpy changed(&store, &AwardListStore::changed);
    const QDateTime now(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
    QVERIFY(store.list()->isEmpty() && store.import(file, now).ok() && changed.count() == 1);
    // The program's own copy: a first line naming the import, then tabs.
    const QList<QByteArray> stored = fileLines(awardListPath(data));
    QCOMPARE(stored, (QList<QByteArray>{"#ORB_KTL award list\tpublished.csv\t2024-05-01T10:00:00Z",
                                        "OK-08815\tHrad Bouzov\tOlomouck\xC3\xBD kraj\t49.704200\t16.892500",
                                        "F-01051\tFoix\t\t\t"}));
    // "8815" is another castle in the log: no name for it.
    QCOMPARE(store.nameOf(u"ok", u"08815") + '|' + store.nameOf(u"   F", u"01051") + '|' + store.nameOf(u"OK", u"8815"),
             "Hrad Bouzov|Foix|");

    // Another program (the command line) replaces the file: the store
    // reads it again when next asked.
    AwardList other;
    QVERIFY(other.add({"I-00001", "Castello", {}, {}, {}}) && storeAwardList(awardListPath(data), other).ok());
    QCOMPARE(store.nameOf(u"I", u"00001"), "Castello");
    QVERIFY(changed.count() == 2 && store.list()->size() == 1);
  }

  // OK-00001 worked twice on 14 Mhz (one with QSL) and once on 7 Mhz (QSL);
  // "ok" in small letters is the same castle; OK-1 is another one. First
  // worked and confirmed: OK-00001 in January (its earliest QSOs), not
  // April; OK-1 in March; F-01051 has no readable date, on a band of no
  // column.
  void tallyCountsCastlesOnce() {
    const Log log{{qso("OK1A", "  OK-00001", "05/03/16", "14 Mhz"), qso("OK1B", "  ok-00001", "06/04/16", "14 Mhz", true),
                   qso("OK1C", "  OK-00001", "01/01/16", "7.0 Mhz", true), qso("OK1D", "  OK-1    ", "07/03/16", "14 Mhz"),
                   qso("F1A", "   F-01051", "bad date", "50 Mhz", true), qso("NOREF", "", "07/03/16", "14 Mhz")}};
    AwardTally t(kTwoBands);
    log.into(t);
    QCOMPARE(figures(t), "F w1 c1 q1 l0 lw0 n0 [0/0 0/0 1/1]\nOK w2 c1 q4 l0 lw0 n0 [1/1 2/1 0/0]\n"
                         "201601:1/1\n201603:1/0\nundated 1");
  }

  // OK-00099 is counted, and shown apart; the needed castles are the
  // listed ones not worked.
  void tallyAgainstTheList() {
    AwardTally t(kTwoBands);
    t.setList(listOf("OK-00001;Jedna\nOK-00002;Dva\nOK-00003;Tri\nDL-00001;Eins\n"));
    Log{{qso("OK1A", "  OK-00001", "05/03/16", "14 Mhz", true), qso("OK1B", "  OK-00099", "05/03/16", "14 Mhz"),
         qso("F1A", "   F-01051", "05/03/16", "14 Mhz")}}.into(t);
    QCOMPARE(figures(t).section(u'\n', 0, 2), "DL w0 c0 q0 l1 lw0 n0 [0/0 0/0 0/0]\nF w1 c0 q1 l0 lw0 n1 [0/0 1/0 0/0]\n"
                                                "OK w2 c1 q2 l3 lw1 n1 [0/0 2/1 0/0]");
    std::vector<QByteArray> needed;
    for (qsizetype i : t.needed("OK")) needed.push_back(t.list()->castles()[i].key);
    QCOMPARE(needed, (std::vector<QByteArray>{"OK-00002", "OK-00003"}));
    QCOMPARE(totalsText(t, Language::English),
             "Castles worked: 1 of 4, confirmed: 1, countries: 1 of 2, not in the list: 2");
  }

  // Each change the entry makes, applied to a tally kept up to date, gives
  // what a tally counted from scratch gives, reads only the changed lines
  // and names only the countries they touch.
  void tallyFollowsTheLog_data() {
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("remove");
    QTest::addColumn<QByteArray>("insert");
    QTest::addColumn<QByteArrayList>("touched");
    QTest::newRow("append a new castle") << 200 << 0 << qso("I1A", "   I-00007", "01/02/17", "7.0 Mhz")
                                         << QByteArrayList{"I"};
    QTest::newRow("edit: QSL ticked") << 50 << 1 << qso("OK9Z", "  OK-00050", "01/02/16", "14 Mhz", true)
                                      << QByteArrayList{"OK"};
    QTest::newRow("edit: another country") << 50 << 1 << qso("OK9Z", "  DL-00050", "01/02/16", "14 Mhz")
                                           << QByteArrayList{"OK", "DL"};
    QTest::newRow("delete the only QSO of a castle") << 199 << 1 << QByteArray() << QByteArrayList{"F"};
  }
  void tallyFollowsTheLog() {
    QFETCH(int, at);
    QFETCH(int, remove);
    QFETCH(QByteArray, insert);
    Log log;
    for (int i = 0; i < 199; ++i)
      log.lines << qso("OK9Z", "  OK-" + QByteArray::number(i % 60).rightJustified(5, '0'),
                       "01/" + QByteArray::number(1 + i % 12).rightJustified(2, '0') + "/16", i % 3 ? "14 Mhz" : "7.0 Mhz",
                       i % 7 == 0);
    log.lines << qso("F1A", "   F-01051", "01/01/16", "14 Mhz");
    AwardTally kept(kTwoBands), fresh(kTwoBands);
    for (AwardTally* t : {&kept, &fresh}) t->setList(listOf("OK-00001;a\nOK-00002;b\nDL-00001;c\n"));
    QVERIFY(log.into(kept).full);

    log.lines.remove(at, remove);
    if (!insert.isEmpty()) log.lines.insert(at, insert);
    const AwardTally::Update u = log.into(kept);
    QVERIFY(!u.full && u.linesRead == (insert.isEmpty() ? 0 : 1));
    QByteArrayList touched;
    for (int c : u.countries) touched << kept.countries()[c].prefix;
    QTEST(touched, "touched");
    log.into(fresh);
    QCOMPARE(figures(kept), figures(fresh));
  }
};

QTEST_GUILESS_MAIN(TestAwardFigures)
#include "test_award_figures.moc"
