// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/engine_web_view.h"

#include <QVBoxLayout>
#include <QWebEngineView>

namespace ktl {

EngineWebView::EngineWebView(QWidget* parent) : WebView(parent), view_(new QWebEngineView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setFocusProxy(view_);
}

// Chromium's own error page shows a server that cannot be reached.
void EngineWebView::load(const QUrl& address) { view_->load(address); }

void EngineWebView::setHtml(const QString& html) { view_->setHtml(html); }

}  // namespace ktl
