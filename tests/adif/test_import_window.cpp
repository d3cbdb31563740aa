// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Import_ADIF window on the real window: its file choice, replacement
// boxes and options.
#include "adif/import_adif_window.h"
#include "station_fixture.h"
#include "log/qso_record.h"

using namespace ktl;

namespace {

const QByteArray kLog = logLine("G1AAA", "G", "00001", "01/01/16", "12:00") + "\r\n" +
                        logLine("G1BBB", "G", "00002", "03/01/16", "12:00") + "\r\n";

}  // namespace

class ImportWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // A box per replaced field, or one closing message with the counts in
  // the right number; either way no box is open while Import_ADIF still is,
  // and nothing a box said is said again. SIG = award: a park is no castle.
  void importMergesSortsAndSelectsLast_data() {
    QTest::addColumn<bool>("boxEach");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("messages");
    const QString band = "Bande absente, remplacée par 1.8 Mhz";
    QTest::newRow("a box per field") << true << "Anglais"
        << QStringList{band, band,
                       "1 record whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left empty, "
                       "SIG and SIG_INFO kept beside the log."};
    QTest::newRow("one summary, Italian") << false << "Italien"
        << QStringList{"Campi mancanti sostituiti: 2 bande (1.8 Mhz).\r\n1 record il cui SIG non nomina un diploma "
                       "di castelli (WWFF, POTA, SOTA...): colonne del castello lasciate vuote, SIG e SIG_INFO "
                       "conservati accanto al log."};
  }
  void importMergesSortsAndSelectsLast() {
    QFETCH(bool, boxEach);
    QFETCH(QString, language);
    StationFixture s(kLog, language);
    auto* win = s.open<ImportAdifWindow>("Mnu_Import_ADIF");
    StationFixture::in<QCheckBox>(win, "Messages_Remplacement")->setChecked(boxEach);
    StationFixture::in<QCheckBox>(win, "SIG_Diplome")->setChecked(true);
    QStringList openWhileImportOpen;
    s.p.onMessage = [&](const QString& text) {
      if (text.startsWith("Bande absente")) return;  // the boxes shown while the file is read
      if (s.w.findChild<ImportAdifWindow*>() && s.w.findChild<ImportAdifWindow*>()->isVisible())
        openWhileImportOpen << text;
    };
    s.p.files << s.p.dataDir() + "/in.adi";
    writeFile(s.p.files[0], "<CALL:5>dl1aa <QSO_DATE:8>20160102 <TIME_ON:4>1000 <MODE:4>RTTY <SIG:3>WCA <SIG_INFO:8>DL-00007 "
                            "<BAND:3>60m <eor>\n<CALL:5>dl1ab <QSO_DATE:8>20160104 <TIME_ON:4>1000 <MODE:2>CW <SIG:4>WWFF "
                            "<SIG_INFO:9>DLFF-0001 <eor>\n");
    StationFixture::in<QPushButton>(win, "Importer")->click();
    QTEST(s.p.messages, "messages");
    QCOMPARE(openWhileImportOpen, QStringList());
    const QList<QByteArray> lines = s.lines();
    QCOMPARE(lines.size(), 4);
    // SIG = award: the castle of WCA, none for the park.
    QCOMPARE(lines[1].left(6) + lines[1].mid(13, 10) + '|' + lines[3].left(6) + lines[3].mid(13, 10),
             "DL1AA   DL-00007|DL1AB           ");
    QVERIFY(!win->isVisible() && s.state.logModel().rowCount() == 4);
    QCOMPARE(s.c<QListView>("Liste_KTL")->currentIndex().row(), 3);
    // The choice is kept for the next import.
    win = s.open<ImportAdifWindow>("Mnu_Import_ADIF");
    QCOMPARE(StationFixture::in<QCheckBox>(win, "Messages_Remplacement")->isChecked(), boxEach);
  }

};

QTEST_MAIN(ImportWindowTest)
#include "test_import_window.moc"
