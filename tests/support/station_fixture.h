// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started program on a station with a given log and language.
#include "app/program.h"
#include "fake_platform.h"
#include "test_files.h"

#include <functional>

// The controls window tests drive.
#include <QTest>
#include <QtWidgets>

namespace ktl {

struct StationFixture {
  FakePlatform p;
  QString call;
  std::unique_ptr<Program> program;
  MainWindow& w;
  ProgramState& state;

  // `beforeStart` runs once the settings and the log are in place, before
  // the program starts.
  explicit StationFixture(const QByteArray& log = {}, const QString& language = "Francais",
                          const QString& callsign = "F0ORB", const std::function<void(FakePlatform&)>& beforeStart = {});
  // A program started over the settings and logs already in `root` (the
  // platform's folder), which it leaves as they are.
  struct Existing {
    QString root;
  };
  explicit StationFixture(const Existing& existing);

  template <typename T = QWidget>
  T* c(const char* name) const { return in<T>(&w, name); }
  // A control of any window.
  template <typename T = QWidget>
  static T* in(const QWidget* window, const char* name) {
    T* x = window->findChild<T*>(QString::fromLatin1(name));
    if (!x) qFatal("no control %s", name);
    return x;
  }
  // The texts of controls of Main (line edits, combo boxes, labels,
  // buttons), joined by "|".
  QString texts(std::initializer_list<const char*> names) const { return textsOf(&w, names); }
  static QString textsOf(const QWidget* window, std::initializer_list<const char*> names);

  // The window a menu item or a button of Main opens.
  template <typename W>
  W* open(const char* item) {
    if (auto* action = w.findChild<QAction*>(QString::fromLatin1(item)))
      action->trigger();
    else
      c<QPushButton>(item)->click();
    return w.findChild<W*>();
  }

  // The entry from the keyboard: a text typed into a field, then Enter.
  void enter(const char* field, const QString& text);
  void typeQso(const QString& callsign, const QString& prefix, const QString& number);
  // From the mode on, in chain order; the castle name is pasted.
  void finishQso(const QString& name = {}, bool qsl = false);
  // Valide_A, the save question answered `yes`.
  void commit(bool yes = true);

  // The log's lines, without their CR LF.
  QList<QByteArray> lines() const;
};

// Keys typed into a field, then Enter.
void typeEnter(QWidget* field, const QString& text);
// Column `column` of every row of a view's model, top to bottom.
QStringList columnOf(const QAbstractItemView* view, int column = 0);

// Log lines joined with CR LF.
QByteArray crlf(std::initializer_list<QByteArray> lines);

}  // namespace ktl
