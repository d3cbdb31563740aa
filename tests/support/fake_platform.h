#pragma once
// A scripted platform for window tests: message boxes are recorded and
// answered from a script, the clock is fixed, settings and logs live in a
// temporary folder that the platform owns.
#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

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
  // empty settings store and no log.
  FakePlatform();

  void message(QWidget*, const QString& text) override {
    messages << text;
    if (onMessage) onMessage(text);
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
  int splashMilliseconds() const override { return splashMs; }
  // A view that records what it is asked in pagesOpened and pagesShown, or
  // the one webViewFactory makes when set.
  WebView* createWebView(QWidget* parent) override;
  // Records the folder in foldersOpened; answers openFolderAnswer.
  bool openFolder(const QString& path) override {
    foldersOpened << path;
    return openFolderAnswer;
  }

  QString logPath(const QString& callsign) const;
  void writeLog(const QString& callsign, const QByteArray& content) const;
  QByteArray readLog(const QString& callsign) const;
  QString setting(const QString& section, const QString& key, const QString& def = QStringLiteral("<absent>")) const;
  void setSetting(const QString& section, const QString& key, const QString& value) { settings_.save(section, key, value); }

  FixedClock clock_;
  QStringList messages;       // texts of OK boxes, in order
  std::function<void(const QString&)> onMessage;  // called as each OK box shows
  QStringList questions;      // texts of Yes/No boxes, in order
  QList<bool> answers;        // answers to the next questions; No when empty
  QStringList files;          // answers to the next file dialogs; none when empty
  int splashMs = 30;
  PrintResult::Status printAnswer = PrintResult::Printed;
  QString printPdf;
  QList<QStringList> printed;  // the lines of each print, in order
  QList<QUrl> pagesOpened;    // addresses the web views were asked to open, in order
  QStringList pagesShown;     // pages of the program's own they were given
  std::function<WebView*(QWidget*)> webViewFactory;
  QStringList foldersOpened;
  bool openFolderAnswer = true;

 private:
  QTemporaryDir ownRoot_;
  QString dataDir_;

 public:
  SettingsStore settings_;
};

// 121-byte log line for tests.
QByteArray logLine(const char* call, const char* prefix, const char* number, const char* date, const char* time,
                   const char* mode = "SSB", const char* band = "14 Mhz", const char* name = "", bool qsl = false,
                   bool repeat = false);

}  // namespace ktl
