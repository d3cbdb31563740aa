#include "platform/window_services.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>

namespace ktl {

void centreOnScreen(QWidget* window, int below) {
  const QScreen* s = window->screen();
  if (!s) return;
  const QRect r = s->availableGeometry();
  const QRect f = window->frameGeometry();
  window->move(r.x() + (r.width() - f.width()) / 2, r.y() + (r.height() - f.height() + 2 * below) / 2);
}

void setFieldColour(QWidget* w, bool awaitingInput) {
  QPalette p = w->palette();
  const QColor base = awaitingInput ? kInputColour : kRestColour;
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::Base, base);
    // A locked field still shows its QSO: dark grey, well readable on either colour.
    p.setColor(g, QPalette::Text, g == QPalette::Disabled ? QColor(64, 64, 64) : QColor(Qt::black));
  }
  if (awaitingInput) {
    p.setColor(QPalette::Button, kInputColour);
    p.setColor(QPalette::ButtonText, Qt::black);
  } else {
    // A button at rest follows the desktop theme again.
    const QPalette theme = QApplication::palette(w);
    p.setColor(QPalette::Button, theme.color(QPalette::Button));
    p.setColor(QPalette::ButtonText, theme.color(QPalette::ButtonText));
  }
  w->setPalette(p);
  if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->setPalette(p);
}

QFont fixedListFont(const QString& family, qreal points) {
  QFont f(family);
  f.setPointSizeF(points);
  const QFontInfo info(f);
  if (info.family().compare(family, Qt::CaseInsensitive) != 0 || !info.fixedPitch()) {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(points);
  }
  return f;
}

QStringList applyCaptions(QWidget* window, std::span<const CaptionRow> rows, Language language) {
  QStringList missing;
  for (const CaptionRow& row : rows) {
    const QString name = QString::fromLatin1(row.control);
    const QString caption = captionText(row, language);
    QObject* target = name == window->objectName() ? window : window->findChild<QObject*>(name);
    if (!target) {
      missing << name;
      continue;
    }
    if (caption.isNull()) continue;
    auto* widget = qobject_cast<QWidget*>(target);
    if (row.tooltip) {
      if (auto* a = qobject_cast<QAction*>(target)) a->setToolTip(caption);
      if (widget) widget->setToolTip(caption);
    } else if (target == window) {
      window->setWindowTitle(caption);
    } else if (auto* a = qobject_cast<QAction*>(target)) {
      a->setText(caption);
    } else if (auto* m = qobject_cast<QMenu*>(target)) {
      m->setTitle(caption);
    } else if (auto* l = qobject_cast<QLabel*>(target)) {
      l->setText(caption);
    } else if (auto* g = qobject_cast<QGroupBox*>(target)) {
      g->setTitle(caption);
    } else if (auto* b = qobject_cast<QAbstractButton*>(target)) {
      b->setText(caption);
    } else {
      missing << name;  // named, but nothing that takes a caption
    }
  }
  return missing;
}

}  // namespace ktl
