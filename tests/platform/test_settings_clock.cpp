// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Settings written by the window.
#include "platform/settings_store.h"
#include "test_files.h"

#include <QtTest>

using namespace ktl;

class TestSettingsClock : public QObject {
  Q_OBJECT
  QTemporaryDir home_;

 private slots:
  // The window gathers its writes: a value is read back at once, reaches
  // the file a moment later in one write, and a write that changes nothing
  // never touches the file. A file that cannot be written is told with the
  // reason, each time, and the values stay in use.
  void gatheredWrites() {
    const QString file = home_.filePath("gathered/KTL.ini");
    QStringList failures;
    {
      SettingsStore store(file);
      store.onWriteFailed([&](const QString& reason) { failures << reason; });
      store.gatherWrites(40);
      QVERIFY(store.save(kCommonSection, "bande Utilisee", "3") && store.save(kCommonSection, "Mode Utilise", "1"));
      QVERIFY(store.get(kCommonSection, "bande Utilisee", "-") == "3" && !QFile::exists(file));
      QTRY_VERIFY(readFile(file).contains("Mode%20Utilise=1"));
      QVERIFY(QFile::remove(file));
      QVERIFY(store.save(kCommonSection, "bande Utilisee", "3"));
      QTest::qWait(80);
      QVERIFY(!QFile::exists(file));
      // Changes that keep coming are written a moment after the first of
      // them, not only once they stop.
      bool reached = false;
      for (int i = 0; i < 30 && !reached; ++i) {
        QVERIFY(store.save(kCommonSection, "Mode Utilise", QString::number(i)));
        QTest::qWait(10);
        reached = QFile::exists(file);
      }
      QVERIFY(reached);

      store.gatherWrites(0);
      QVERIFY(QFile::remove(file) && QDir().mkpath(file));  // a folder where the file goes
      QVERIFY(!store.save(kCommonSection, "Spots Hote", "dx.example.org"));
      QCOMPARE(failures, QStringList{"Is a directory"});
      QVERIFY(QDir(file).removeRecursively());
      store.gatherWrites(1000);
      QVERIFY(store.save(kCommonSection, "bande Utilisee", "6"));
    }
    // What was still gathered is written when the store ends, the values a
    // failed write kept with it.
    QCOMPARE(failures.size(), 1);
    QVERIFY(readFile(file).contains("bande%20Utilisee=6") && readFile(file).contains("Spots%20Hote=dx.example.org"));
  }

};

QTEST_GUILESS_MAIN(TestSettingsClock)
#include "test_settings_clock.moc"
