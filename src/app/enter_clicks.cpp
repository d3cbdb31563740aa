// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/enter_clicks.h"

#include "platform/keyboard.h"
#include "platform/window_services.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>

namespace ktl {

EnterClicksButtons::EnterClicksButtons(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

EnterClicksButtons::~EnterClicksButtons() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool EnterClicksButtons::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* button = qobject_cast<QAbstractButton*>(watched);
  // Check boxes and option buttons keep their Enter: QSL_A's Enter closes
  // the entry and moves on to Valide_A.
  if (!button || qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!isEnterKey(*key) || (key->modifiers() & ~Qt::KeypadModifier)) return false;
  // A held key clicks once: its repeats would commit the next QSO too.
  if (!key->isAutoRepeat() && button->isEnabled()) button->click();
  return true;
}

}  // namespace ktl
