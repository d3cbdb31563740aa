// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the screenshots of Main shown in the README: the program started
// over the scripted platform of the tests (fixed clock, settings and log in
// a temporary folder) on a small sample log.
//   ktl-screenshots OUT.png [dark]
// The screen and the scale come from the environment (QT_QPA_PLATFORM,
// QT_SCALE_FACTOR); "dark" sets a dark desktop palette first.
#include "app/program.h"
#include "fake_platform.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>

using namespace ktl;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  if (argc > 2 && QByteArray(argv[2]) == "dark") {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(dark);
  }
  FakePlatform p;
  p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
  QByteArray log;
  for (const QByteArray& line :
       {logLine("OK1ABC", "OK", "08815", "04/03/16", "08:12", "SSB", "14 Mhz", "Hrad Karlstejn", true),
        logLine("DL2XYZ/P", "DL", "01234", "04/03/16", "08:30", "CW", "7.0 Mhz", "Burg Eltz"),
        logLine("F5ABC", "F", "01051", "04/03/16", "08:47", "SSB", "14 Mhz", "Chateau de Chambord", true),
        logLine("HB9/OK1XYZ/P", "HB", "00321", "04/03/16", "09:01", "SSB", "21 Mhz", "Schloss Lenzburg")})
    log += line + "\r\n";
  p.writeLog(QStringLiteral("F0ORB"), log);
  Program program(p);
  program.main.startUp();
  QTest::qWait(300);
  const QSize size = program.main.size();
  const QPixmap shot = program.main.grab();
  shot.save(QString::fromLocal8Bit(argv[1]));
  qInfo("Main %dx%d on a %dx%d screen (logical), image %dx%d", size.width(), size.height(),
        program.main.screen()->size().width(), program.main.screen()->size().height(), shot.width(), shot.height());
  return 0;
}
