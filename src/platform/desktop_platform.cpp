#include "platform/desktop_platform.h"

#include "platform/data_dir.h"
#include "platform/engine_web_view.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ktl {

DesktopPlatform::DesktopPlatform() : dataDir_(dataDirectory()) {}

void DesktopPlatform::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kProductTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

bool DesktopPlatform::question(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kProductTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

QString DesktopPlatform::openFileName(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, dataDir_, filter);
}

WebView* DesktopPlatform::createWebView(QWidget* parent) { return new EngineWebView(parent); }

}  // namespace ktl
