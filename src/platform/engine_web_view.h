// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's web view: a QWebEngineView filling the widget.
#include "platform/web_view.h"

class QWebEngineView;

namespace ktl {

class EngineWebView : public WebView {
 public:
  explicit EngineWebView(QWidget* parent = nullptr);
  void load(const QUrl& address) override;
  void setHtml(const QString& html) override;
  QWebEngineView* view() const { return view_; }

 private:
  QWebEngineView* view_;
};

}  // namespace ktl
