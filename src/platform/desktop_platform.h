// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/platform.h"

class QPagedPaintDevice;
class QSystemTrayIcon;

namespace ktl {

// Draws `lines` top to bottom on `device` in `font`, starting a new page
// when the next line does not fit; a font too wide for the page is scaled
// down so that no line is cut. False when the device cannot be opened.
bool paintLines(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);

class DesktopPlatform : public Platform {
 public:
  DesktopPlatform();
  void message(QWidget* parent, const QString& text) override;
  void message(QWidget* parent, const QString& text, const QString& more) override;
  bool question(QWidget* parent, const QString& text) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
  PrintResult printLines(QWidget* parent, const QStringList& lines, const QFont& font) override;
  const Clock& clock() const override { return clock_; }
  SettingsStore& settings() override { return settings_; }
  QString dataDir() const override { return dataDir_; }
  int splashMilliseconds() const override { return 2000; }
  WebView* createWebView(QWidget* parent) override;
  bool openFolder(const QString& path) override;
  void notify(const QString& title, const QString& text) override;
  void alertSound() override;

 private:
  void trayNotice(const QString& title, const QString& text);

  QSystemTrayIcon* tray_ = nullptr;
  SystemClock clock_;
  SettingsStore settings_{SettingsStore::defaultFile()};
  QString dataDir_;
};

}  // namespace ktl
