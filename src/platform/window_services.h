#pragma once
// Small window behaviours shared by every window of the program.
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace ktl {

// Centres a window on its screen, `below` pixels under the middle.
void centreOnScreen(QWidget* window, int below = 0);

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

// A window opened without modality exists once: the first call makes it,
// later calls bring it to the front.
template <typename W, typename Make>
W* showOnce(QPointer<W>& slot, Make make) {
  if (!slot) {
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
  return slot;
}

}  // namespace ktl
