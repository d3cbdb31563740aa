// The program's hold on the rig: the station's rig settings as stored, the
// link handed to the shared state (none without a rig), tuned and read
// against Hamlib's rigctld, rigctld started, kept, restarted and stopped by
// the program, and its failures told once with its own words.
#include "platform/settings_store.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "state/program_state.h"

#include "fake_rigctld.h"
#include "rigctld.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace ktl;

namespace {

RigClient::Timing quickTiming() {
  RigClient::Timing t;
  t.replyTimeoutMs = 1000;
  t.connectTimeoutMs = 1000;
  t.firstRetryMs = 100;
  t.maxRetryMs = 400;
  return t;
}

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

// A state over settings and logs of its own, on station F0ORB.
struct Station {
  QTemporaryDir dir;
  SettingsStore settings{dir.filePath(QStringLiteral("KTL.ini"))};
  ProgramState state{settings, dir.path()};
  RigControl control{state};

  Station() { control.setTiming(quickTiming()); }
  void set(const SettingKey& key, const QString& value, const QString& station = QStringLiteral("F0ORB")) {
    settings.write(key, station, value);
  }
  void open(const QString& station = QStringLiteral("F0ORB")) {
    QVERIFY(state.changeStation(station).ok());
  }
  void useRigAt(quint16 port) {
    set(keys::RigActive, QStringLiteral("1"));
    set(keys::RigPort, QString::number(port));
    set(keys::RigInterval, QStringLiteral("100"));
  }
  RigLink* rig() const { return state.rig(); }
};

}  // namespace

class RigControlTest : public QObject {
  Q_OBJECT
 private slots:
  // What an edited settings file may hold, and what the program makes of it.
  void storedSettings_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");  // member=value
    QTest::newRow("used, blanks") << "Rig Actif" << " 1 " << "active=1";
    QTest::newRow("yes is not 1") << "Rig Actif" << "oui" << "active=0";
    QTest::newRow("port 0") << "Rig Port" << "0" << "port=4532";
    QTest::newRow("port too high") << "Rig Port" << "65536" << "port=4532";
    QTest::newRow("interval too short") << "Rig Intervalle" << "5" << "poll=100";
    QTest::newRow("interval too long") << "Rig Intervalle" << "99999999999" << "poll=10000";
    QTest::newRow("interval not a number") << "Rig Intervalle" << "fast" << "poll=500";
    QTest::newRow("host empty") << "Rig Hote" << "" << "host=127.0.0.1";
    QTest::newRow("model 0") << "Rig Modele" << "0" << "model=1";
    QTest::newRow("speed negative") << "Rig Vitesse" << "-9600" << "speed=0";
  }
  void storedSettings() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("KTL.ini")));
    store.save(QStringLiteral("Setup F0ORB"), key, stored);
    const RigSettings s = readRigSettings(store, QStringLiteral("F0ORB"));
    const QMap<QString, QString> got{{"active", QString::number(s.active)}, {"port", QString::number(s.port)},
                                     {"poll", QString::number(s.pollMs)},   {"host", s.host},
                                     {"model", QString::number(s.model)},   {"speed", QString::number(s.speed)}};
    QCOMPARE(got.value(read.section(u'=', 0, 0)), read.section(u'=', 1));
  }

  // Written for one station, read back under the keys the operator knows.
  void writtenUnderTheirKeys() {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("KTL.ini")));
    RigSettings s;
    s.active = true;
    s.host = QStringLiteral("10.0.0.2");
    s.port = 4600;
    s.pollMs = 300;
    s.startDaemon = true;
    s.model = 3073;
    s.device = QStringLiteral("/dev/ttyUSB0");
    s.speed = 115200;
    writeRigSettings(store, QStringLiteral("F0ORB"), s);
    const QString section = QStringLiteral("Setup F0ORB");
    QStringList stored;
    for (const char* key : {"Rig Actif", "Rig Hote", "Rig Port", "Rig Intervalle", "Rig Lancer", "Rig Modele",
                            "Rig Peripherique", "Rig Vitesse"})
      stored << store.get(section, QString::fromLatin1(key), QStringLiteral("?"));
    QCOMPARE(stored.join(u'|'), QStringLiteral("1|10.0.0.2|4600|300|1|3073|/dev/ttyUSB0|115200"));
    QCOMPARE(readRigSettings(store, QStringLiteral("F0ORB")), s);
    QCOMPARE(readRigSettings(store, QStringLiteral("F5ABC")).active, false);
  }

  // No rig until the station asks for one; a station without one has none;
  // a change of settings makes a new link, no change keeps it.
  void rigFollowsStationAndSettings() {
    FakeRigctld fake;
    const quint16 port = fake.listen();
    Station s;
    QSignalSpy changes(&s.state, &ProgramState::rigChanged);
    s.open();
    QCOMPARE(s.rig(), nullptr);
    s.useRigAt(port);
    s.control.apply();
    QVERIFY(s.rig());
    QTRY_COMPARE(s.rig()->frequencyHz(), 7012000);
    QTRY_COMPARE(s.rig()->hamlibMode(), QStringLiteral("CW"));
    const qsizetype made = changes.size();
    s.control.apply();
    QCOMPARE(changes.size(), made);
    s.set(keys::RigInterval, QStringLiteral("200"));
    s.control.apply();
    QVERIFY(s.rig() && changes.size() > made);
    QCOMPARE(s.control.link()->client().timing().pollMs, 200);
    s.open(QStringLiteral("F5ABC"));
    QCOMPARE(s.rig(), nullptr);
    s.open();
    QVERIFY(s.rig());
    s.set(keys::RigActive, QStringLiteral("0"));
    s.control.apply();
    QCOMPARE(s.rig(), nullptr);
    QVERIFY(changes.size() >= 5);
  }

  // A set the rig refuses is said on the state line until the next tune.
  void refusedTuneIsAState() {
    FakeRigctld fake;
    fake.answer = [&fake](const QByteArray& line) {
      return line.startsWith("+M") ? QByteArray("set_mode: X 0\nRPRT -9\n") : fake.rigctld(line);
    };
    Station s;
    s.useRigAt(fake.listen());
    s.open();
    QTRY_VERIFY(s.rig() && s.rig()->linkUp());
    QVERIFY(s.rig()->tune(14200000, QStringLiteral("USB")));
    QTRY_COMPARE(s.rig()->statusText(int(Language::French)),
                 QStringLiteral("Radio connectée (127.0.0.1:%1) ; La radio refuse le mode : commande rejetée par la radio")
                     .arg(fake.server.serverPort()));
    QVERIFY(s.rig()->inTrouble());
    QCOMPARE(s.rig()->frequencyHz(), 14200000);
    fake.answer = [&fake](const QByteArray& line) { return fake.rigctld(line); };
    QVERIFY(s.rig()->tune(14200000, QStringLiteral("USB")));
    QCOMPARE(s.rig()->statusText(int(Language::Other)),
             QStringLiteral("Radio connectée (127.0.0.1:%1)").arg(fake.server.serverPort()));
    QVERIFY(!s.rig()->inTrouble());
  }

  // rigctld started by the program: reached, kept while only the poll
  // interval changes, started again on another port, stopped with the
  // program.
  void daemonStartedKeptAndStopped() {
    qint64 pid = 0;
    quint16 port = freePort();
    {
      Station s;
      s.useRigAt(port);
      s.set(keys::RigStartDaemon, QStringLiteral("1"));
      s.set(keys::RigModel, QStringLiteral("1"));
      s.open();
      QTRY_VERIFY(s.rig() && s.rig()->linkUp());
      pid = s.control.daemon().processId();
      QVERIFY(alive(pid));
      QVERIFY(s.rig()->tune(3650000, QStringLiteral("LSB")));
      QTRY_COMPARE(rigctl(port, {QStringLiteral("f")}), QStringLiteral("3650000"));

      s.set(keys::RigInterval, QStringLiteral("300"));
      s.control.apply();
      QTRY_VERIFY(s.rig()->linkUp());
      QCOMPARE(s.control.daemon().processId(), pid);

      const quint16 other = freePort();
      s.set(keys::RigPort, QString::number(other));
      s.control.apply();
      QTRY_VERIFY(s.rig()->linkUp());
      QVERIFY(!alive(pid));
      QVERIFY(!listening(port, 300));
      pid = s.control.daemon().processId();
      QVERIFY(alive(pid));
      QVERIFY(s.rig()->tune(7100000, QString()));
      QTRY_COMPARE(rigctl(other, {QStringLiteral("f")}), QStringLiteral("7100000"));
      port = other;
    }
    QTRY_VERIFY(!alive(pid));
    QVERIFY(!listening(port, 300));
  }

  // A rigctld slow to stop: the next one starts only once it has ended,
  // as it may hold the port or the rig's device until then.
  void nextRigctldWaitsForTheOld() {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("slow-rigctld"));
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n"
            "log=\"$(dirname \"$0\")/log\"\n"
            "echo \"start $$\" >> \"$log\"\n"
            "trap 'sleep 0.4; echo \"end $$\" >> \"$log\"; exit 0' TERM\n"
            "while :; do sleep 0.05; done\n");
    f.close();
    QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    RigDaemon daemon;
    RigDaemonSettings settings;
    settings.program = script;
    daemon.start(settings);
    QTRY_COMPARE(daemon.state(), RigDaemon::State::Running);
    const qint64 first = daemon.processId();
    QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("log"))));
    daemon.start(settings);
    QCOMPARE(daemon.state(), RigDaemon::State::Starting);
    QTRY_COMPARE(daemon.state(), RigDaemon::State::Running);
    const qint64 second = daemon.processId();
    QTRY_COMPARE(readFile(dir.filePath(QStringLiteral("log"))).count('\n'), 3);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("log"))),
             QStringLiteral("start %1\nend %1\nstart %2\n").arg(first).arg(second).toLatin1());
    // Stopped while the old one still ends: nothing starts.
    daemon.start(settings);
    daemon.stop();
    QTest::qWait(800);
    QCOMPARE(daemon.state(), RigDaemon::State::Stopped);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("log"))).count("start"), 2);
  }

  // A model Hamlib does not know, a device that is not there: told once,
  // in rigctld's own words; the state line says it meanwhile.
  void daemonFailuresToldOnce_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("told");  // the start of the text
    QTest::addColumn<QString>("words");
    QTest::newRow("unknown model") << "999999" << "" << "rigctld s'est arrêté : " << "Unknown rig num 999999";
    QTest::newRow("no such device") << "3073" << "/dev/ttyKTL_NONE" << "rigctld ne joint pas la radio : "
                                    << "/dev/ttyKTL_NONE";
  }
  void daemonFailuresToldOnce() {
    QFETCH(QString, model);
    QFETCH(QString, device);
    QFETCH(QString, told);
    QFETCH(QString, words);
    Station s;
    QSignalSpy trouble(&s.control, &RigControl::trouble);
    s.useRigAt(freePort());
    s.set(keys::RigStartDaemon, QStringLiteral("1"));
    s.set(keys::RigModel, model);
    s.set(keys::RigDevice, device);
    s.open();
    QVERIFY(s.rig());
    QTRY_COMPARE_WITH_TIMEOUT(trouble.size(), 1, 10000);
    const QString text = trouble.at(0).at(0).toString();
    QVERIFY2(text.startsWith(told) && text.contains(words), qPrintable(text));
    QVERIFY(s.rig()->inTrouble());
    QTest::qWait(2500);  // retries meanwhile
    QCOMPARE(trouble.size(), 1);
    // Confirmed again by the operator: tried again, and told again.
    s.control.apply(true);
    QTRY_COMPARE_WITH_TIMEOUT(trouble.size(), 2, 10000);
  }
};

QTEST_GUILESS_MAIN(RigControlTest)
#include "test_rig_control.moc"
