// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted platform for window tests: message boxes are recorded and
// answered from a script, the clock is fixed, settings and logs live in a
// temporary folder that the platform owns.
#include "platform/platform.h"

#include <QtCore>

#include <functional>

namespace ktl {

class FixedClock : public Clock {
 public:
  QDateTime now() const override { return instant; }
  QDateTime instant = QDateTime(QDate(2016, 3, 4), QTime(9, 5, 3), Qt::UTC);
};

class FakePlatform : public Platform {
 public:
  // Settings and logs in fresh folders of its own: every test starts with an
  // empty settings store and no log. With `root`, they are in that folder
  // instead (root/data, root/config/KTL/KTL.ini), for programs that share it.
  explicit FakePlatform(const QString& root = {});

  void message(QWidget*, const QString& text) override {
    messages << text;
    if (onMessage) onMessage(text);
  }
  // The text as `messages` has it; its second paragraph (where a file went)
  // in `mores`, at the same place.
  void message(QWidget* parent, const QString& text, const QString& more) override {
    while (mores.size() < messages.size()) mores << QString();
    mores << more;
    message(parent, text);
  }
  bool question(QWidget*, const QString& text) override {
    questions << text;
    return !answers.isEmpty() && answers.takeFirst();
  }
  QString openFileName(QWidget*, const QString&, const QString&) override {
    return files.isEmpty() ? QString() : files.takeFirst();
  }
  // The print dialog answers `printAnswer`; a print goes, through the
  // desktop's page drawing, to the PDF file `printPdf` when one is set.
  PrintResult printLines(QWidget* parent, const QStringList& lines, const QFont& font) override;
  const Clock& clock() const override { return clock_; }
  SettingsStore& settings() override { return settings_; }
  QString dataDir() const override { return dataDir_; }
  int splashMilliseconds() const override { return 30; }
  // A view that records what it is asked in pagesOpened and pagesShown, or
  // the one webViewFactory makes when set.
  WebView* createWebView(QWidget* parent) override;
  bool openFolder(const QString&) override { return true; }
  // Records each notice as "title | text", and each sound.
  void notify(const QString& title, const QString& text) override { notices << title + QStringLiteral(" | ") + text; }
  void alertSound() override { ++sounds; }

  QString logPath(const QString& callsign) const;
  void writeLog(const QString& callsign, const QByteArray& content) const;
  QByteArray readLog(const QString& callsign) const;
  QString setting(const QString& section, const QString& key, const QString& def = QStringLiteral("<absent>")) const;
  void setSetting(const QString& section, const QString& key, const QString& value) { settings_.save(section, key, value); }

  FixedClock clock_;
  QStringList messages;       // texts of OK boxes, in order
  QStringList mores;          // their second paragraphs, where one was given
  std::function<void(const QString&)> onMessage;  // called as each OK box shows
  QStringList questions;      // texts of Yes/No boxes, in order
  QList<bool> answers;        // answers to the next questions; No when empty
  QStringList files;          // answers to the next file dialogs; none when empty
  QString printPdf;
  PrintResult::Status printAnswer = PrintResult::Printed;
  QList<QStringList> printed;  // the lines of each print, in order
  QList<QUrl> pagesOpened;    // addresses the web views were asked to open, in order
  QStringList pagesShown;     // pages of the program's own they were given
  std::function<WebView*(QWidget*)> webViewFactory;
  QStringList notices;
  int sounds = 0;

 private:
  QTemporaryDir ownRoot_;
  QString root_;
  QString dataDir_;

 public:
  SettingsStore settings_;
};

// 121-byte log line for tests.
QByteArray logLine(const char* call, const char* prefix, const char* number, const char* date, const char* time,
                   const char* mode = "SSB", const char* band = "14 Mhz", const char* name = "", bool qsl = false,
                   bool repeat = false);

}  // namespace ktl
