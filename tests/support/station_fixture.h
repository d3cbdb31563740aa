#pragma once
// A started program on a station with a given log and language.
#include "app/program.h"
#include "fake_platform.h"
#include "test_files.h"

// The controls window tests drive.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

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
  T* c(const char* name) const { return in<T>(&w, name); }
  // A control of any window.
  template <typename T = QWidget>
  static T* in(const QWidget* window, const char* name) {
    T* x = window->findChild<T*>(QString::fromLatin1(name));
    if (!x) qFatal("no control %s", name);
    return x;
  }
  // The log's lines, without their CR LF.
  QList<QByteArray> lines() const;
};

// Log lines joined with CR LF.
QByteArray crlf(std::initializer_list<QByteArray> lines);

}  // namespace ktl
