// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The award's progress in the running program: the window opened from the
// display menu over a log, kept up to date by the entry's commits, the
// award's list imported from the file menu (and refused when it is no
// list), the files saved and printed;
// and the built program's --award-list and --progress.
#include "awards/award_list.h"
#include "awards/award_models.h"
#include "awards/awards_window.h"
#include "program_run.h"
#include "station_fixture.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;

namespace {

// OK: two castles, one confirmed on 14 Mhz; F: one castle.
const QByteArray kLog = crlf({qso("OK1A", "  OK-00001", "05/03/16", "14 Mhz", true),
                              qso("OK1B", "  OK-00001", "06/03/16", "7.0 Mhz"),
                              qso("OK1C", "  OK-00002", "07/04/16", "14 Mhz"),
                              qso("F1A", "   F-01051", "08/04/16", "14 Mhz")});

const QByteArray kList = "Reference;Name;Region\r\nOK-00001;Hrad Jedna;Kraj\r\nOK-00002;Hrad Dva;Kraj\r\n"
                         "OK-00003;Hrad T\xC5\x99i;Kraj\r\nOK-00004;Hrad \xC4\x8Cty\xC5\x99i;Kraj\r\nF-01051;Foix;Ariège\r\n";

struct Progress : StationFixture {
  // QSOs typed in the entry are on 14 Mhz.
  explicit Progress(const QByteArray& log = kLog, const QString& language = "Anglais")
      : StationFixture(log, language, "F0ORB", [](FakePlatform& p) {
          p.setSetting(stationSection("F0ORB"), "bande Utilisee", "4");
        }) {
    p.setSetting(kCommonSection, "Chemin Repertoire", p.dataDir());
    writeFile(p.dataDir() + "/Liste_DXCC.csv", "OK;Czech Republic;\r\nF;France;\r\n");
  }
  AwardsWindow* open() { return StationFixture::open<AwardsWindow>("Mnu_Progression"); }
  // Imports a list through Fichier, the file dialog answering `file`.
  QString importList(const QByteArray& bytes) {
    const QString file = p.dataDir() + "/../published.csv";
    writeFile(file, bytes);
    p.files << file;
    p.messages.clear();
    c<QAction>("Mnu_Import_Liste")->trigger();
    return p.messages.value(0);
  }
  static QTableView* grid(AwardsWindow* win) { return in<QTableView>(win, "Grille"); }
  static QString totals(AwardsWindow* win) { return in<QLabel>(win, "Label_Totaux")->text(); }
  // A row of the grid as its cells' texts, joined by "|".
  static QString row(AwardsWindow* win, int r) {
    QStringList out;
    for (int c = 0; c < grid(win)->model()->columnCount(); ++c) out << grid(win)->model()->index(r, c).data().toString();
    return out.join(u'|');
  }
};

}  // namespace

class TestAwardsWindow : public QObject {
  Q_OBJECT
 private slots:
  // The grid from the log alone: a row per country in order, then the
  // totals; a cell per band, coloured with its text colour and spoken as
  // words; one window however often asked; Escape closes it.
  void gridFromTheLogAlone() {
    Progress f;
    AwardsWindow* win = f.open();
    QVERIFY(win && f.open() == win);  // once
    QCOMPARE(Progress::totals(win), "Castles worked: 3, confirmed: 1, countries: 2");
    // F, OK, then the totals; a cell per band, 7.0 Mhz the third, 14 Mhz the fifth.
    QCOMPARE(Progress::row(win, 0) + '\n' + Progress::row(win, 1) + '\n' + Progress::row(win, 2),
             "F|France|1|0|–|–|–|–|1|–|–|–|–|–|–|–\n"
             "OK|Czech Republic|2|1|–|–|1|–|2 (1 QSL)|–|–|–|–|–|–|–\n"
             "Total||3|1|–|–|1|–|3 (1 QSL)|–|–|–|–|–|–|–");
    QAbstractItemModel* m = Progress::grid(win)->model();
    const QModelIndex okOn14 = m->index(1, 8), okOn7 = m->index(1, 6), fOn7 = m->index(0, 6);
    // Colour and text colour together; a screen reader hears the words.
    QCOMPARE(okOn14.data(Qt::BackgroundRole).value<QColor>(), kConfirmedCell);
    QCOMPARE(okOn7.data(Qt::BackgroundRole).value<QColor>(), kWorkedCell);
    QVERIFY(!fOn7.data(Qt::BackgroundRole).isValid());
    QCOMPARE(okOn14.data(Qt::AccessibleTextRole).toString(), "OK, 14 Mhz: 2 castles worked, 1 confirmed");

    // Escape closes it.
    QPointer<AwardsWindow> guard(win);
    QTest::keyClick(Progress::grid(win), Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
  }

  // A commit changes its country's row and the totals, never the whole
  // grid; a new country takes its row; a language change tells every row.
  void commitsChangeOnlyTheirRow() {
    Progress f;
    AwardsWindow* win = f.open();
    QAbstractItemModel* m = Progress::grid(win)->model();
    QSignalSpy resets(m, &QAbstractItemModel::modelReset), changes(m, &QAbstractItemModel::dataChanged);
    f.typeQso("F5XY", "F", "01052");
    f.finishQso({}, true);
    f.commit();
    QCOMPARE(resets.count(), 0);
    QList<int> rows;
    for (const auto& args : changes) rows << args[0].toModelIndex().row();
    QCOMPARE(rows, (QList<int>{0, 2}));  // F and the totals
    QCOMPARE(Progress::row(win, 0).section(u'|', 0, 3), "F|France|2|1");
    QCOMPARE(Progress::totals(win), "Castles worked: 4, confirmed: 2, countries: 2");
    // A country new to the log takes its row.
    f.typeQso("DL1A", "DL", "00001");
    f.finishQso();
    f.commit();
    QCOMPARE(Progress::row(win, 0).left(3) + Progress::row(win, 3).section(u'|', 0, 2), "DL|Total||5");
    // Another language: every row is told.
    QSignalSpy renamed(m = Progress::grid(win)->model(), &QAbstractItemModel::dataChanged);
    f.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(Progress::row(win, 3).section(u'|', 0, 0), "Totale");
    QVERIFY(!renamed.isEmpty() && renamed.last()[1].toModelIndex().row() == 3);
  }

  // The list imported from the file menu: its summary, the totals and the
  // listed columns at once; a file that is no list changes nothing.
  void awardListFromTheFileMenu() {
    Progress f;
    AwardsWindow* win = f.open();
    const QString done = f.importList(kList + "OK-00004;Again\r\nnothing here\r\n");
    QCOMPARE(done, QStringLiteral("Award list imported: 5 castles (UTF-8, separator \";\").\r\n"
                                  "1 unreadable lines skipped (the first: line 8).\r\n"
                                  "1 duplicate references: the first line of each counts."));
    QCOMPARE(Progress::totals(win), "Castles worked: 3 of 5, confirmed: 1, countries: 2 of 2");
    QCOMPARE(Progress::row(win, 1).section(u'|', 0, 5), "OK|Czech Republic|2|1|2 / 4|0");

    // A file that is no list leaves the list as it was.
    const QByteArray stored = readFile(awardListPath(f.p.dataDir()));
    QCOMPARE(f.importList(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)),
             "This file is not a list (a binary file): the award list has not changed.");
    QCOMPARE(readFile(awardListPath(f.p.dataDir())), stored);
    QVERIFY(Progress::totals(win).contains(" of 5"));
  }

  // --award-list imports (exit 1 on a missing file), --progress prints the
  // figures as text or JSON; --progress with an export is refused (2).
  void commandLine() {
    ProgramFolder run(kLog);
    writeFile(run.data + "/Liste_DXCC.csv", "OK;Czech Republic;\r\n");
    writeFile(run.tmp.filePath("list.csv"), kList);
    Run r = run.run({"--award-list", run.tmp.filePath("list.csv")});
    QVERIFY2(r.code == 0 && r.out.startsWith("Award list imported: 5 castles"), qPrintable(r.out));
    QCOMPARE(run.run({"--award-list", run.tmp.filePath("missing.csv")}).code, 1);
    QCOMPARE(run.run({"--progress", "--export"}).code, 2);

    r = run.run({"--station", "f0orb", "--progress", "--json"});
    QCOMPARE(r.code, 0);
    const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonValue ok = root["per_country"][1];
    const QJsonArray got{root["worked"], root["confirmed"], root["listed"], ok["prefix"], ok["listed"], ok["worked"]};
    QCOMPARE(QJsonDocument(got).toJson(QJsonDocument::Compact), R"([3,1,5,"OK",4,2])");

    r = run.run({"--progress"});
    QVERIFY2(r.out.contains("Castles worked: 3 of 5, confirmed: 1, countries: 2 of 2"), qPrintable(r.out));
    QVERIFY2(r.out.contains(QRegularExpression("\n +OK  Czech Republic +2 +1 +4\n")), qPrintable(r.out));
  }
};

QTEST_MAIN(TestAwardsWindow)
#include "test_awards_window.moc"
