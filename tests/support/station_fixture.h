#pragma once
// A started program on a station with a given log and language.
#include "app/program.h"
#include "fake_platform.h"

#include <QList>

namespace ktl {

struct StationFixture {
  FakePlatform p;
  QString call;
  std::unique_ptr<Program> program;
  MainWindow& w;
  ProgramState& state;

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
