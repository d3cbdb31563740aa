// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard rules every window follows: Enter (either one) moves on, and
// the code-like fields (callsigns, prefixes, references) turn a typed a-z
// into A-Z while it is typed.
#include <QChar>
#include <QKeyEvent>
#include <QString>

namespace ktl {

// A typed a-z becomes A-Z; every other character passes unchanged.
inline QChar upperTyped(QChar typed) {
  if (typed >= u'a' && typed <= u'z') return QChar(typed.unicode() - 32);
  return typed;
}

// Delivers a typed key to `target` with its character replaced, past the
// key handlers: how fields turn a typed "a" into "A" before taking it.
// Returns false when the key carries no single character to replace.
template <typename Replace>
bool retypeKey(QObject* target, const QKeyEvent& key, Replace replace) {
  const QString text = key.text();
  if (text.size() != 1) return false;
  const QChar typed = replace(text[0]);
  if (typed == text[0]) return false;
  QKeyEvent replaced(QEvent::KeyPress, key.key(), key.modifiers(), QString(typed), key.isAutoRepeat(), key.count());
  target->event(&replaced);
  return true;
}

// Enter or the keypad's Enter, with no modifier but the keypad's.
inline bool isEnterKey(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace ktl
