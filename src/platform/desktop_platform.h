#pragma once
#include "platform/platform.h"

namespace ktl {

class DesktopPlatform : public Platform {
 public:
  DesktopPlatform();
  void message(QWidget* parent, const QString& text) override;
  bool question(QWidget* parent, const QString& text) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
  const Clock& clock() const override { return clock_; }
  SettingsStore& settings() override { return settings_; }
  QString dataDir() const override { return dataDir_; }
  int splashMilliseconds() const override { return 2000; }
  WebView* createWebView(QWidget* parent) override;

 private:
  SystemClock clock_;
  SettingsStore settings_{SettingsStore::defaultFile()};
  QString dataDir_;
};

}  // namespace ktl
