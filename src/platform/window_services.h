#pragma once
// Small window behaviours shared by every window of the program.
#include <QPointer>
#include <QWidget>

namespace ktl {

// Centres a window on its screen, `below` pixels under the middle.
void centreOnScreen(QWidget* window, int below = 0);

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
