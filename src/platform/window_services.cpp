// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_services.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
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

namespace {

QString rgb(const QColor& c) { return c.name(QColor::HexRgb); }

// The design's colours as a style sheet: every style draws them so, a dark
// desktop's and a locked field's included (a palette alone is ignored by
// styles that paint disabled fields or buttons their own way). Text black,
// dark grey while locked: 10:1 or better on either background.
QString fieldSheet(const QString& selector, const QColor& base) {
  return QStringLiteral("%1 { background-color: %2; color: #000000; selection-background-color: #2c4f9e; "
                        "selection-color: #ffffff; }"
                        "%1:disabled { background-color: %2; color: #404040; }")
      .arg(selector, rgb(base));
}

}  // namespace

void setFieldColour(QWidget* w, bool awaitingInput) {
  const QColor base = awaitingInput ? kInputColour : kRestColour;
  if (qobject_cast<QLineEdit*>(w)) {
    w->setStyleSheet(fieldSheet(QStringLiteral("QLineEdit"), base));
    return;
  }
  if (qobject_cast<QComboBox*>(w)) {
    // The list's own text box and its drop-down list too.
    w->setStyleSheet(fieldSheet(QStringLiteral("QComboBox, QLineEdit"), base) +
                     QStringLiteral("QComboBox QAbstractItemView { background-color: #ffffff; color: #000000; }"));
    return;
  }
  if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QCheckBox*>(w)) {
    // The button that expects the next Enter is green, its text black, and
    // keeps a visible focus frame; a button at rest is the desktop's own.
    w->setStyleSheet(awaitingInput
                         ? QStringLiteral("QPushButton { background-color: %1; color: #000000; border: 1px solid #4a4a4a; "
                                          "border-radius: 3px; padding: 4px 10px; }"
                                          "QPushButton:focus { border: 2px solid #1a3c8c; }"
                                          "QPushButton:disabled { color: #404040; }")
                               .arg(rgb(kInputColour))
                         : QString());
    return;
  }
  // A tick box: its square in the colour, with the style's own mark.
  QPalette p = w->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::Base, base);
    p.setColor(g, QPalette::Text, g == QPalette::Disabled ? QColor(64, 64, 64) : QColor(Qt::black));
  }
  w->setPalette(p);
}

void setLabelColour(QWidget* label, const QColor& text) {
  QPalette p = label->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::WindowText, text);
    p.setColor(g, QPalette::Window, kLabelBackground);
  }
  label->setPalette(p);
  label->setAutoFillBackground(true);
}

void nameAfterLabel(QWidget* field, const QLabel* label) {
  field->setAccessibleName(label->text());
  if (auto* c = qobject_cast<QComboBox*>(field); c && c->lineEdit()) c->lineEdit()->setAccessibleName(label->text());
  const_cast<QLabel*>(label)->setBuddy(field);
}

QRect placeWithin(const QRect& wanted, const QRect& available, const QMargins& frame, const QSize& minimum) {
  const QRect room = available.marginsRemoved(frame);
  QSize size = wanted.size().boundedTo(room.size()).expandedTo(minimum);
  QRect r(wanted.topLeft(), size);
  // Right and bottom edges first, so that a window larger than the screen
  // keeps its title bar and left edge on it.
  if (r.right() > room.right()) r.moveRight(room.right());
  if (r.bottom() > room.bottom()) r.moveBottom(room.bottom());
  if (r.left() < room.left()) r.moveLeft(room.left());
  if (r.top() < room.top()) r.moveTop(room.top());
  return r;
}

QFont fixedListFont(const QString& family, qreal points) {
  // The design's face where it is installed; else the desktop's fixed font,
  // unless the desktop names a proportional one there (qt6ct without a
  // fixed font set); else the usual fixed faces; else any fixed face the
  // font database has. The columns of a list only line up in a fixed face.
  const auto fixed = [&](const QFont& candidate, const QString& wanted) {
    const QFontInfo info(candidate);
    return info.fixedPitch() && (wanted.isEmpty() || info.family().compare(wanted, Qt::CaseInsensitive) == 0);
  };
  QFont f(family);
  f.setPointSizeF(points);
  if (fixed(f, family)) return f;
  f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setPointSizeF(points);
  if (fixed(f, {})) return f;
  QStringList faces = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
  for (const QString& face : QFontDatabase::families())
    if (QFontDatabase::isFixedPitch(face)) faces << face;
  for (const QString& face : faces) {
    QFont candidate(face);
    candidate.setPointSizeF(points);
    if (fixed(candidate, face)) return candidate;
  }
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
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
