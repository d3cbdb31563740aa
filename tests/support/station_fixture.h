#pragma once
// A started entry window on a station with a given log and language.
#include "entry/main_window.h"
#include "fake_platform.h"

#include <QList>

namespace ktl {

struct StationFixture {
  FakePlatform p;
  MainWindow w{p};
  QString call;

  explicit StationFixture(const QByteArray& log = {}, const QString& language = QStringLiteral("Francais"),
                          const QString& callsign = QStringLiteral("F0ORB"));

  template <typename T = QWidget>
  T* c(const char* name) const {
    T* x = w.findChild<T*>(QString::fromLatin1(name));
    if (!x) qFatal("no control %s", name);
    return x;
  }
  // The log's lines, without their CR LF.
  QList<QByteArray> lines() const;
};

// Log lines joined with CR LF.
QByteArray crlf(std::initializer_list<QByteArray> lines);

}  // namespace ktl
