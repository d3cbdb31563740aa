// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_platform.h"

#include <QDir>
#include <QFileInfo>

#include "platform/data_dir.h"
#include "platform/engine_web_view.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace ktl {

DesktopPlatform::DesktopPlatform() : dataDir_(dataDirectory()) {
  // The window never waits on the settings file while the operator types.
  settings_.gatherWrites(500);
}

void DesktopPlatform::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kProductTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

void DesktopPlatform::message(QWidget* parent, const QString& text, const QString& more) {
  QMessageBox box(QMessageBox::NoIcon, kProductTitle, text, QMessageBox::Ok, parent);
  box.setInformativeText(more);
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

PrintResult DesktopPlatform::printLines(QWidget* parent, const QStringList& lines, const QFont& font) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kProductTitle);
  // Without a printer the dialog still offers "Print to File (PDF)": it
  // opens on it, with a file in the data folder.
  const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
  if (noPrinter) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataDir_ + QStringLiteral("/ORB_KTL.pdf"));
  }
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return {noPrinter ? PrintResult::NoPrinter : PrintResult::Cancelled, {}};
  const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (!paintLines(printer, lines, font)) return {PrintResult::Failed, file.isEmpty() ? printer.printerName() : file};
  return {PrintResult::Printed, file};
}

bool paintLines(QPagedPaintDevice& device, const QStringList& lines, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QFont f = font;
  QFontMetricsF metrics(f, &device);
  qreal widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  if (widest > device.width()) {
    f.setPointSizeF(f.pointSizeF() * device.width() / widest * 0.99);
    metrics = QFontMetricsF(f, &device);
  }
  painter.setFont(f);
  qreal baseline = metrics.ascent();
  for (const QString& line : lines) {
    if (baseline + metrics.descent() > device.height()) {
      device.newPage();
      baseline = metrics.ascent();
    }
    painter.drawText(QPointF(0, baseline), line);
    baseline += metrics.lineSpacing();
  }
  return painter.end();
}

WebView* DesktopPlatform::createWebView(QWidget* parent) { return new EngineWebView(parent); }

bool DesktopPlatform::openFolder(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

// The desktop's notification service (freedesktop notifications over the
// session bus), asked without waiting; where it does not answer, a tray
// message, where the desktop has a tray.
void DesktopPlatform::notify(const QString& title, const QString& text) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    trayNotice(title, text);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  call << kProductTitle << uint(0) << QStringLiteral("dialog-information") << title << text << QStringList()
       << QVariantMap{{QStringLiteral("category"), QStringLiteral("im.received")}} << int(10000);
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), qApp);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp, [this, title, text](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    if (w->isError()) trayNotice(title, text);
  });
}

void DesktopPlatform::trayNotice(const QString& title, const QString& text) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  if (!tray_) {
    tray_ = new QSystemTrayIcon(QApplication::windowIcon(), qApp);
    tray_->setToolTip(kProductTitle);
  }
  tray_->show();
  tray_->showMessage(title, text, QSystemTrayIcon::Information, 10000);
}

// The desktop's own sound for a message where a player is at hand, else
// the bell; the player runs on its own.
void DesktopPlatform::alertSound() {
  static const QString canberra = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
  if (!canberra.isEmpty() &&
      QProcess::startDetached(canberra, {QStringLiteral("-i"), QStringLiteral("message-new-instant")}))
    return;
  static const QString paplay = QStandardPaths::findExecutable(QStringLiteral("paplay"));
  const QString sound = QStringLiteral("/usr/share/sounds/freedesktop/stereo/message-new-instant.oga");
  if (!paplay.isEmpty() && QFileInfo::exists(sound) && QProcess::startDetached(paplay, {sound})) return;
  QApplication::beep();
}

}  // namespace ktl
