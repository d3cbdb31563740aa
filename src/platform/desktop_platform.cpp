#include "platform/desktop_platform.h"

#include <QDir>
#include <QFileInfo>

#include "platform/data_dir.h"
#include "platform/engine_web_view.h"

#include <QDesktopServices>
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

}  // namespace ktl
