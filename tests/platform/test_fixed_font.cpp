// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lists' columns line up whatever the desktop says its fixed font is:
// here qt6ct, as a new operator met it, names a proportional face for it.
#include "platform/window_services.h"
#include "test_files.h"

#include <QtTest>
#include <QtWidgets>

using namespace ktl;

class TestFixedFont : public QObject {
  Q_OBJECT
 private slots:
  void listsAlwaysInAFixedFace() {
    // The desktop's theme took effect: its "fixed" font is proportional.
    QVERIFY2(!QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).fixedPitch(),
             "qt6ct was not loaded (packages qt6ct, fonts-dejavu-core)");
    for (const char* family : {"Terminal", "Letter Gothic", "No Such Face"}) {
      const QFont f = fixedListFont(QString::fromLatin1(family), 9);
      QVERIFY2(QFontInfo(f).fixedPitch(), family);
      QCOMPARE(f.pointSizeF(), 9.0);
    }
  }
};

int main(int argc, char** argv) {
  // qt6ct's settings of a desktop where the fixed font is a proportional face.
  QTemporaryDir config;
  const QByteArray face = "\"DejaVu Sans,9,-1,5,50,0,0,0,0,0\"\n";
  if (!QDir().mkpath(config.filePath("qt6ct")) ||
      !ktl::writeFile(config.filePath("qt6ct/qt6ct.conf"), "[Fonts]\nfixed=" + face + "general=" + face))
    return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
  QApplication app(argc, argv);
  TestFixedFont test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_fixed_font.moc"
