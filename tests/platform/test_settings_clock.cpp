// Settings sections, the clock texts and the data folder.
#include "log/clock.h"
#include "platform/data_dir.h"
#include "platform/settings_store.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace ktl;

namespace {
class FixedClock : public Clock {
 public:
  explicit FixedClock(QDateTime t) : t_(std::move(t)) {}
  QDateTime now() const override { return t_; }

 private:
  QDateTime t_;
};

void setEnv(const char* name, const QByteArray& value) {
  if (value.isNull())
    qunsetenv(name);
  else
    qputenv(name, value);
}
}  // namespace

class TestSettingsClock : public QObject {
  Q_OBJECT
  QTemporaryDir home_;

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("XDG_CONFIG_HOME", home_.filePath("config").toLocal8Bit());
  }

  void emptyStoreGivesDefaults() {
    SettingsStore store;
    QCOMPARE(store.get(kApp, kCommonSection, "Indicatif Station", "XXXXX"), QStringLiteral("XXXXX"));
    QCOMPARE(store.get(kApp, stationSection("F0ORB"), "Language", "Francais"), QStringLiteral("Francais"));
    QCOMPARE(store.get("OTHER", "none", "bande Utilisee", "0"), QStringLiteral("0"));
  }

  void sectionsAreDistinct() {
    SettingsStore store;
    QCOMPARE(stationSection("F0ORB_P"), QStringLiteral("Setup F0ORB_P"));
    QVERIFY(store.save(kApp, kCommonSection, "Language", "Anglais"));
    QVERIFY(store.save(kApp, stationSection("F0ORB"), "Language", "Italien"));
    QVERIFY(store.save(kApp, "Setup", "Language", "Francais"));
    QCOMPARE(store.get(kApp, kCommonSection, "Language", "-"), QStringLiteral("Anglais"));
    QCOMPARE(store.get(kApp, "Setup", "Language", "-"), QStringLiteral("Francais"));
    QCOMPARE(store.get(kApp, stationSection("F0ORB"), "Language", "-"), QStringLiteral("Italien"));
    QCOMPARE(store.get(kApp, stationSection("F0ORB_P"), "Language", "-"), QStringLiteral("-"));
    QCOMPARE(store.get(kApp, stationSection("F0OR"), "Language", "-"), QStringLiteral("-"));
    QVERIFY(QFileInfo(home_.filePath("config/KTL/KTL.ini")).size() > 0);
  }

  void valuesRoundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("leading blank") << QStringLiteral(" 1.0.1");
    QTest::newRow("comma") << QStringLiteral("F0ORB,P");
    QTest::newRow("accents") << QStringLiteral("Ch\u00e2teau \u20ac");
    QTest::newRow("empty") << QString("");
  }
  void valuesRoundTrip() {
    QFETCH(QString, value);
    SettingsStore store;
    QVERIFY(store.save(kApp, stationSection("F0ORB"), "Revision", value));
    QCOMPARE(store.get(kApp, stationSection("F0ORB"), "Revision", "default"), value);
    QVERIFY(store.save(kApp, stationSection("F0ORB"), "Revision", "later"));
    QCOMPARE(store.get(kApp, stationSection("F0ORB"), "Revision", "default"), QStringLiteral("later"));
  }

  void clockTexts_data() {
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QByteArray>("tz");  // POSIX: "UTC-01" is one hour east
    QTest::addColumn<QString>("utcTime");
    QTest::addColumn<QString>("utcDate");
    QTest::addColumn<QString>("localTime");
    const QDateTime t(QDate(2016, 3, 4), QTime(9, 5, 3), Qt::UTC);
    QTest::newRow("UTC, local +1") << t << QByteArray("UTC-01") << "09:05:03" << "04/03/16" << "10:05:03";
    QTest::newRow("same instant given at +2") << QDateTime(QDate(2016, 3, 4), QTime(11, 5, 3), Qt::OffsetFromUTC, 7200)
                                              << QByteArray("UTC-01") << "09:05:03" << "04/03/16" << "10:05:03";
    QTest::newRow("local +5:30") << t << QByteArray("UTC-05:30") << "09:05:03" << "04/03/16" << "14:35:03";
    QTest::newRow("UTC day turned, local not") << QDateTime(QDate(2016, 3, 5), QTime(0, 0, 30), Qt::UTC)
                                               << QByteArray("UTC+01") << "00:00:30" << "05/03/16" << "23:00:30";
  }
  void clockTexts() {
    QFETCH(QDateTime, instant);
    QFETCH(QByteArray, tz);
    QFETCH(QString, utcTime);
    QFETCH(QString, utcDate);
    QFETCH(QString, localTime);
    qputenv("TZ", tz);
    tzset();
    const FixedClock clock(instant);
    QCOMPARE(utcTimeText(clock), utcTime);
    QCOMPARE(utcDateText(clock), utcDate);
    QCOMPARE(localTimeText(clock), localTime);
  }

  void dataFolder_data() {
    QTest::addColumn<QByteArray>("ktlDataDir");  // relative to a fresh folder; null: unset
    QTest::addColumn<QByteArray>("xdgDataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("KTL_DATA_DIR first") << QByteArray("a/b/") << QByteArray("x") << "a/b";
    QTest::newRow("XDG_DATA_HOME") << QByteArray() << QByteArray("x/y") << "x/y/ORB_KTL";
  }
  void dataFolder() {
    QFETCH(QByteArray, ktlDataDir);
    QFETCH(QByteArray, xdgDataHome);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QByteArray base = root.path().toLocal8Bit() + '/';
    setEnv("KTL_DATA_DIR", ktlDataDir.isNull() ? QByteArray() : base + ktlDataDir);
    setEnv("XDG_DATA_HOME", base + xdgDataHome);
    const QString want = root.filePath(expected);
    QVERIFY(!QFileInfo::exists(want));
    const QString dir = dataDirectory();
    QCOMPARE(dir, want);
    QVERIFY(QFileInfo(dir).isDir());
    QCOMPARE(logFilePath(dir, "F0ORB_P"), want + "/F0ORB_P_KTL.log");
  }
};

QTEST_GUILESS_MAIN(TestSettingsClock)
#include "test_settings_clock.moc"
