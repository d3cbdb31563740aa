#include "platform/window_services.h"

#include <QScreen>

namespace ktl {

void centreOnScreen(QWidget* window, int below) {
  const QScreen* s = window->screen();
  if (!s) return;
  const QRect r = s->availableGeometry();
  const QRect f = window->frameGeometry();
  window->move(r.x() + (r.width() - f.width()) / 2, r.y() + (r.height() - f.height() + 2 * below) / 2);
}

}  // namespace ktl
