// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An embedded web view as the windows use it: open an address, or show a
// page of our own. The desktop's is a Chromium view (EngineWebView); tests
// use one that records what it was asked. A page that cannot be loaded is
// shown however the view shows such a failure; nothing here waits for it.
#include <QWidget>

class QUrl;

namespace ktl {

class WebView : public QWidget {
 public:
  using QWidget::QWidget;
  // Opens a page; the address is absolute, never empty.
  virtual void load(const QUrl& address) = 0;
  // Shows a page of ours, built in the program.
  virtual void setHtml(const QString& html) = 0;
};

}  // namespace ktl
