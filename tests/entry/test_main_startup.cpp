// Start-up of the entry window over a scripted platform: first use, restart
// on an existing log, stored language, stored band and mode, clocks.
#include "app/program.h"
#include "entry/entry_form.h"
#include "fake_platform.h"
#include "log/qso_record.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ktl;

namespace {

template <typename T>
T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  if (!c) qFatal("no control %s", name);
  return c;
}

QColor base(QWidget* w) { return w->palette().color(QPalette::Base); }

const QColor kGreen(192, 255, 192);
const QColor kYellow(255, 255, 192);

// Types into the active modal station window once it is up.
void answerStationWindow(const QString& callsign) {
  QTimer::singleShot(0, [callsign] {
    QWidget* w = QApplication::activeModalWidget();
    QVERIFY(w && w->objectName() == QLatin1String("Station"));
    w->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"))->setText(callsign);
    w->findChild<QPushButton*>(QStringLiteral("Validation"))->click();
  });
}

QByteArray logOf(int count) {
  QByteArray content;
  for (int i = 1; i <= count; ++i) {
    const QByteArray call = "F" + QByteArray::number(i) + "ABC";
    content += logLine(call.constData(), "F", "01051", "07/03/16", "12:00") + "\r\n";
  }
  return content;
}

}  // namespace

class MainStartupTest : public QObject {
  Q_OBJECT
 private slots:
  void firstStartCreatesEmptyLogWithDefaults() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    answerStationWindow(QStringLiteral("F0ORB_P"));
    w.startUp();
    QCOMPARE(p.messages, QStringList{QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n")});
    QCOMPARE(prog.state.stationCallsign(), QStringLiteral("F0ORB_P"));
    QVERIFY(QFile::exists(p.logPath(QStringLiteral("F0ORB_P"))));
    QCOMPARE(p.readLog(QStringLiteral("F0ORB_P")), QByteArray());
    QCOMPARE(p.setting(kCommonSection, QStringLiteral("Indicatif Station")), QStringLiteral("F0ORB_P"));
    QCOMPARE(p.setting(stationSection("F0ORB_P"), QStringLiteral("bande Utilisee")), QStringLiteral("0"));
    QCOMPARE(child<QComboBox>(w, "Bande_A")->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(child<QComboBox>(w, "Mode_A")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(child<QLabel>(w, "I_Station")->text(), QStringLiteral("F0ORB/P"));
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("  ORB_KTL    Keep Tower League    Revision  1.0.1"));
  }

  void firstStartClosedWithoutStationKeepsNoStation() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.startUp();
    QCOMPARE(prog.state.stationCallsign(), QStringLiteral("XXXXX"));
    QCOMPARE(p.setting(kCommonSection, QStringLiteral("Indicatif Station")), QStringLiteral("<absent>"));
    QVERIFY(QDir(p.dataDir()).entryList(QDir::Files).isEmpty());
    // Any key in the callsign field reminds the operator.
    QTest::keyClick(child<QLineEdit>(w, "Ind_A"), Qt::Key_F);
    QCOMPARE(p.messages.last(), QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n"));
  }

  void restartShowsSplashThenNumberedLog() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    p.writeLog(QStringLiteral("F0ORB"), logOf(10));
    Program prog(p);
    MainWindow& w = prog.main;
    int rowsDuringSplash = -1;
    QString splashText;
    QTimer::singleShot(5, [&] {
      QWidget* s = QApplication::activeModalWidget();
      QVERIFY(s && s->objectName() == QLatin1String("Chargement"));
      splashText = s->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      rowsDuringSplash = prog.state.logModel().rowCount();
    });
    w.startUp();
    QCOMPARE(splashText, QStringLiteral("de F0ORB"));
    QCOMPARE(rowsDuringSplash, 0);  // the list is filled after the splash
    QVERIFY(p.messages.isEmpty());
    QCOMPARE(prog.state.logModel().rowCount(), 10);
    auto* list = child<QListView>(w, "Liste_KTL");
    QCOMPARE(list->model()->index(8, 0).data().toString().left(8), QStringLiteral("    9  F"));
    QCOMPARE(list->model()->index(9, 0).data().toString().left(8), QStringLiteral("   10  F"));
    QCOMPARE(list->currentIndex().row(), 9);
    QVERIFY(!child<QPushButton>(w, "Annule_Saisie")->isEnabled());
    QCOMPARE(child<QLabel>(w, "Label7")->text(), QStringLiteral("Saisie QSO"));
    QCOMPARE(base(child<QLineEdit>(w, "Ind_A")), kGreen);
    for (const char* f : {"Type_A", "Ref_A", "Date_A", "Heure_A", "RST_A", "Rem_A"}) {
      QVERIFY2(!child<QWidget>(w, f)->isEnabled(), f);
      QCOMPARE(base(child<QWidget>(w, f)), kYellow);
    }
    QCOMPARE(child<QLineEdit>(w, "RST_B")->text(), QStringLiteral("59"));
    QCOMPARE(p.setting(stationSection("F0ORB"), QStringLiteral("Revision")), QStringLiteral(" 1.0.1"));
  }

  void storedLanguageAppliesCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("validate");
    QTest::newRow("english") << "Anglais" << "Mnu_Anglais" << "Validate QSO";
    QTest::newRow("italian") << "Italien" << "Mnu_Italien" << "Convalida QSO";
    QTest::newRow("unknown value") << "francais" << "" << "Valider le QSO";
  }
  void storedLanguageAppliesCaptions() {
    QFETCH(QString, language);
    QFETCH(QString, checked);
    QFETCH(QString, validate);
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("G4ABC"));
    p.setSetting(stationSection("G4ABC"), QStringLiteral("Language"), language);
    Program prog(p);
    MainWindow& w = prog.main;
    w.startUp();
    QCOMPARE(prog.state.language(), languageFromSetting(language));
    for (const char* item : {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien"})
      QCOMPARE(w.findChild<QAction*>(QString::fromLatin1(item))->isChecked(), checked == QLatin1String(item));
    QCOMPARE(child<QPushButton>(w, "Valide_A")->text(), validate);
    // The fields are named for screen readers after the label over them.
    QCOMPARE(child<QLineEdit>(w, "Ind_A")->accessibleName(), child<QLabel>(w, "Label8")->text());
  }

  void storedBandAndModeRestored_data() {
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("bandText");
    QTest::addColumn<QString>("modeText");
    QTest::newRow("valid") << "11" << "3" << "432 Mhz" << "DIGI";
    QTest::newRow("not a number") << "abc" << "" << "1.8 Mhz" << "SSB";
  }
  void storedBandAndModeRestored() {
    QFETCH(QString, band);
    QFETCH(QString, mode);
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    p.setSetting(stationSection("F0ORB"), QStringLiteral("bande Utilisee"), band);
    p.setSetting(stationSection("F0ORB"), QStringLiteral("Mode Utilise"), mode);
    Program prog(p);
    MainWindow& w = prog.main;
    w.startUp();
    QTEST(child<QComboBox>(w, "Bande_A")->currentText(), "bandText");
    QTEST(child<QComboBox>(w, "Mode_A")->currentText(), "modeText");
  }

  // Tests run two hours east of UTC.
  void clockLabelsShowUtcAndLocal() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    QCOMPARE(child<QLabel>(w, "Label37")->text(), QStringLiteral("09:05 Utc"));
    QCOMPARE(child<QLabel>(w, "Label34")->text(), QStringLiteral("11:05 Loc"));
    QCOMPARE(child<QLabel>(w, "Label33")->text(), QStringLiteral("04/03/16"));
    // Just after midnight UTC the date is the new UTC day.
    p.clock_.instant = QDateTime(QDate(2016, 3, 4), QTime(23, 59, 59), Qt::UTC).addSecs(2);
    QTest::qWait(1100);
    QCOMPARE(child<QLabel>(w, "Label33")->text(), QStringLiteral("05/03/16"));
    QCOMPARE(child<QLabel>(w, "Label37")->text(), QStringLiteral("00:00 Utc"));
  }

  void unreadableLogFolderIsReported() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    QDir().mkpath(p.logPath(QStringLiteral("F0ORB")));  // a folder where the log should be
    Program prog(p);
    MainWindow& w = prog.main;
    w.startUp();
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.messages[0].startsWith(QStringLiteral("Impossible de lire ce fichier")));
  }
};

QTEST_MAIN(MainStartupTest)
#include "test_main_startup.moc"
