// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rig's tables against rows written by hand: Hamlib modes in the log,
// the mode for a spot (band plan and comment), the frequency texts, what is
// told of rigctld's output and the status texts.
#include "rig/rig_modes.h"
#include "rig/rig_texts.h"
#include "rig/rigctld_link.h"

#include <QTest>

using namespace ktl;

class RigTablesTest : public QObject {
  Q_OBJECT
 private slots:
  // A Hamlib mode in the log: its ADIF mode and submode, and the log's own
  // mode; modes the log cannot name give none.
  void logMode_data() {
    QTest::addColumn<QString>("hamlib");
    QTest::addColumn<QString>("adif");  // MODE/SUBMODE, "" when unknown
    QTest::addColumn<QString>("log");
    QTest::newRow("CWR") << "CWR" << "CW/" << "CW";
    QTest::newRow("RTTY") << "RTTY" << "RTTY/" << "DIGI";
    QTest::newRow("PSK") << "PSK" << "PSK/PSK31" << "DIGI";
    QTest::newRow("C4FM") << "C4FM" << "DIGITALVOICE/C4FM" << "";
    QTest::newRow("PKTUSB") << "PKTUSB" << "" << "";
    QTest::newRow("USB with more") << "USBX" << "" << "";
  }
  void logMode() {
    QFETCH(QString, hamlib);
    const auto row = logModeForRig(hamlib);
    QTEST(row ? QLatin1String(row->adifMode) + u'/' + QLatin1String(row->adifSubmode) : QString(), "adif");
    QTEST(row ? QString::fromLatin1(row->logMode) : QString(), "log");
  }

  // The mode a spot tunes the rig to.
  void spotMode_data() {
    QTest::addColumn<double>("khz");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("mode");  // "" for none
    // The band plan, with the segment edges.
    QTest::newRow("above 160") << 2000.1 << "" << "";
    QTest::newRow("80 CW end") << 3569.9 << "" << "CW";
    QTest::newRow("80 data") << 3570.0 << "" << "PKTUSB";
    QTest::newRow("20 phone edge") << 14112.0 << "" << "USB";
    // A mode named in the comment comes first.
    QTest::newRow("FT8 in phone") << 7074.0 << "FT8 -12 dB" << "PKTUSB";
    QTest::newRow("RTTY") << 14085.0 << "CQ RTTY contest" << "RTTY";
    QTest::newRow("SSB below 10 MHz") << 7030.0 << "ssb!" << "LSB";
    QTest::newRow("FT8 outside the plan") << 70154.0 << "FT8" << "PKTUSB";
    // Words that name no mode.
    QTest::newRow("Martinique reference") << 7150.0 << "COTA FM-0012" << "LSB";
    QTest::newRow("CW within a word") << 14200.0 << "CWOPS member" << "USB";
  }
  void spotMode() {
    QFETCH(double, khz);
    QFETCH(QString, comment);
    QTEST(rigModeForSpot(khz, comment).value_or(QString()), "mode");
  }

  // Each band's segments follow each other without a gap or an overlap,
  // and the bands follow in frequency order.
  void bandPlanHasNoHoles() {
    const auto plan = bandPlan();
    int bands = 1;
    for (size_t i = 0; i < plan.size(); ++i) {
      QVERIFY2(plan[i].fromKhz < plan[i].toKhz, qPrintable(QString::number(plan[i].fromKhz)));
      if (i == 0) continue;
      QVERIFY2(plan[i].fromKhz >= plan[i - 1].toKhz, qPrintable(QString::number(plan[i].fromKhz)));
      if (plan[i].fromKhz > plan[i - 1].toKhz) ++bands;
    }
    QCOMPARE(bands, 13);
  }

  // The rig's frequency in the log (ADIF, MHz to the hertz) and in Main
  // (kHz to ten hertz).
  void frequencyTexts_data() {
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<QByteArray>("adif");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7 MHz") << qint64(7012000) << QByteArray("7.012000") << "7012.00 kHz";
    QTest::newRow("hertz kept") << qint64(14025305) << QByteArray("14.025305") << "14025.31 kHz";
    QTest::newRow("10 GHz") << qint64(10368100000) << QByteArray("10368.100000") << "10368100.00 kHz";
    QTest::newRow("unknown") << qint64(0) << QByteArray() << "0.00 kHz";
  }
  void frequencyTexts() {
    QFETCH(qint64, hz);
    QTEST(adifFrequency(hz), "adif");
    QTEST(shownFrequency(hz), "shown");
  }

  // What is told of rigctld's output: each line once, the last ones.
  void rigctldOutput() {
    const QString output = QStringLiteral("open failed#2\nUnable to open /dev/ttyUSB7\n  \nrig_open retcode=-6\n"
                                          "Unable to open /dev/ttyUSB7\nrig_open retcode=-6\n");
    QCOMPARE(rigctldWords(output), QStringLiteral("open failed#2\nUnable to open /dev/ttyUSB7\nrig_open retcode=-6"));
    QCOMPARE(rigctldWords(output, 2), QStringLiteral("Unable to open /dev/ttyUSB7\nrig_open retcode=-6"));
  }

  // The retry wait said in whole seconds, rounded up; an unknown language
  // shows nothing.
  void statusTexts() {
    const QString at = QStringLiteral("127.0.0.1:4532");
    QCOMPARE(rigStatusText({RigState::Error, RigProblem::NoAnswer, 0, 1500}, at, Language::French),
             "rigctld ne répond pas (127.0.0.1:4532), nouvel essai dans 2 s");
    QCOMPARE(rigStatusText({RigState::Error, RigProblem::Closed, 0, 2000}, at, Language::Other), QString());
  }
};

QTEST_GUILESS_MAIN(RigTablesTest)
#include "test_rig_tables.moc"
