// The rig's tables against rows written by hand: Hamlib modes in the log,
// the mode for a spot (band plan and comment), Hamlib's model list and the
// status texts.
#include "rig/rig_daemon.h"
#include "rig/rig_modes.h"
#include "rig/rig_texts.h"

#include <QTest>

using namespace ktl;

class RigTablesTest : public QObject {
  Q_OBJECT
 private slots:
  void logMode_data() {
    QTest::addColumn<QString>("hamlib");
    QTest::addColumn<QString>("adif");  // MODE/SUBMODE, "" when unknown
    QTest::addColumn<QString>("log");
    QTest::newRow("usb, any case") << "usb" << "SSB/USB" << "SSB";
    QTest::newRow("LSB") << "LSB" << "SSB/LSB" << "SSB";
    QTest::newRow("CW") << "CW" << "CW/" << "CW";
    QTest::newRow("CWR") << "CWR" << "CW/" << "CW";
    QTest::newRow("RTTY") << "RTTY" << "RTTY/" << "DIGI";
    QTest::newRow("AM") << "AM" << "AM/" << "AM";
    QTest::newRow("FM") << "FM" << "FM/" << "FM";
    QTest::newRow("PSK") << "PSK" << "PSK/PSK31" << "DIGI";
    QTest::newRow("C4FM") << "C4FM" << "DIGITALVOICE/C4FM" << "";
    QTest::newRow("PKTUSB") << "PKTUSB" << "" << "";
    QTest::newRow("PKTLSB") << "PKTLSB" << "" << "";
    QTest::newRow("broadcast FM") << "WFM" << "" << "";
    QTest::newRow("USB with more") << "USBX" << "" << "";
  }
  void logMode() {
    QFETCH(QString, hamlib);
    QFETCH(QString, adif);
    QFETCH(QString, log);
    const auto row = logModeForRig(hamlib);
    QCOMPARE(row ? QLatin1String(row->adifMode) + u'/' + QLatin1String(row->adifSubmode) : QString(), adif);
    QCOMPARE(row ? QString::fromLatin1(row->logMode) : QString(), log);
  }

  void spotMode_data() {
    QTest::addColumn<double>("khz");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("mode");  // "" for none
    // The band plan, with the segment edges.
    QTest::newRow("160 top") << 2000.0 << "" << "LSB";
    QTest::newRow("above 160") << 2000.1 << "" << "";
    QTest::newRow("below 80") << 3499.9 << "" << "";
    QTest::newRow("80 CW end") << 3569.9 << "" << "CW";
    QTest::newRow("80 data") << 3570.0 << "" << "PKTUSB";
    QTest::newRow("60 channel") << 5357.0 << "" << "USB";
    QTest::newRow("60 CW") << 5352.5 << "" << "CW";
    QTest::newRow("40 phone") << 7053.0 << "" << "LSB";
    QTest::newRow("40 phone, Region 2 part") << 7250.0 << "" << "LSB";
    QTest::newRow("30 data") << 10136.0 << "" << "PKTUSB";
    QTest::newRow("20 data") << 14070.0 << "" << "PKTUSB";
    QTest::newRow("20 phone edge") << 14112.0 << "" << "USB";
    QTest::newRow("20 top") << 14350.0 << "" << "USB";
    QTest::newRow("15 narrow") << 21140.0 << "" << "CW";
    QTest::newRow("10 beacons") << 28200.0 << "" << "CW";
    QTest::newRow("10 FM") << 29600.0 << "" << "FM";
    QTest::newRow("6 FM") << 51510.0 << "" << "FM";
    QTest::newRow("2 FM") << 145500.0 << "" << "FM";
    QTest::newRow("70 FM low") << 430100.0 << "" << "FM";
    QTest::newRow("4 m") << 70200.0 << "" << "";
    // A mode named in the comment comes first.
    QTest::newRow("FT8 in phone") << 7074.0 << "FT8 -12 dB" << "PKTUSB";
    QTest::newRow("FT4 in CW") << 14048.0 << "ft4" << "PKTUSB";
    QTest::newRow("PSK31") << 14070.5 << "psk31 cq" << "PKTUSB";
    QTest::newRow("RTTY") << 14085.0 << "CQ RTTY contest" << "RTTY";
    QTest::newRow("CW in phone") << 3700.0 << "KTL DL-00123 CW" << "CW";
    QTest::newRow("SSB below 10 MHz") << 7030.0 << "ssb!" << "LSB";
    QTest::newRow("SSB on 60 m") << 5352.5 << "SSB" << "USB";
    QTest::newRow("first mode named") << 14200.0 << "RTTY, then CW" << "RTTY";
    QTest::newRow("FT8 outside the plan") << 70154.0 << "FT8" << "PKTUSB";
    // Words that name no mode.
    QTest::newRow("Martinique reference") << 7150.0 << "COTA FM-0012" << "LSB";
    QTest::newRow("two modes in one word") << 14030.0 << "CW/SSB" << "CW";
    QTest::newRow("CW within a word") << 14200.0 << "CWOPS member" << "USB";
  }
  void spotMode() {
    QFETCH(double, khz);
    QFETCH(QString, comment);
    QFETCH(QString, mode);
    QCOMPARE(rigModeForSpot(khz, comment).value_or(QString()), mode);
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

  void rigModels() {
    const QString listing = QStringLiteral("Some line before\n"
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "     2  Hamlib                 NET rigctl              20230106.0      Stable      RIG_MODEL_NETRIGCTL\r\n"
        "\n"
        "  3073  Icom                   IC-7300                 20230109.0      Stable      RIG_MODEL_IC7300\n"
        " 25003  Coding Technologies    Digital World Traveller 20200112.0      Alpha       RIG_MODEL_DWT\n"
        " 29001  DTTS Microwave Society DMS-1                   20200112.0      Beta        RIG_MODEL_DMS\n"
        "  junk  Not                    A Model                 1.0             Stable      X\n"
        "  4242  Truncated\n");
    const QList<RigModel> expected{
        {1, "Hamlib", "Dummy", "Stable"},
        {2, "Hamlib", "NET rigctl", "Stable"},
        {3073, "Icom", "IC-7300", "Stable"},
        {25003, "Coding Technologies", "Digital World Traveller", "Alpha"},
        {29001, "DTTS Microwave Society", "DMS-1", "Beta"},
    };
    QCOMPARE(parseRigModels(listing), expected);
    // Without its header, the columns are not known.
    QCOMPARE(parseRigModels(listing.mid(listing.indexOf(u"     1"))), QList<RigModel>{});
  }

  void statusTexts_data() {
    QTest::addColumn<RigStatus>("status");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("refused") << RigStatus{RigState::Error, RigProblem::Refused, 0, 4000} << Language::English
        << "rigctld is not running at 127.0.0.1:4532, trying again in 4 s";
    QTest::newRow("seconds rounded up") << RigStatus{RigState::Error, RigProblem::NoAnswer, 0, 1500} << Language::French
        << "rigctld ne répond pas (127.0.0.1:4532), nouvel essai dans 2 s";
    QTest::newRow("unreadable")
        << RigStatus{RigState::Error, RigProblem::Unreadable, 0, 2000, "SSH-2.0-OpenSSH"} << Language::English
        << "Unreadable answer from 127.0.0.1:4532: \"SSH-2.0-OpenSSH\", trying again in 2 s";
    QTest::newRow("rig off") << RigStatus{RigState::Error, RigProblem::RigError, -5} << Language::Italian
                             << "Errore della radio: la radio non risponde (tempo scaduto)";
    QTest::newRow("unknown language") << RigStatus{RigState::Error, RigProblem::Closed, 0, 2000} << Language::Other
                                      << QString();
  }
  void statusTexts() {
    QFETCH(RigStatus, status);
    QFETCH(Language, language);
    QFETCH(QString, text);
    QCOMPARE(rigStatusText(status, "127.0.0.1:4532", language), text);
  }
};

QTEST_GUILESS_MAIN(RigTablesTest)
#include "test_rig_tables.moc"
