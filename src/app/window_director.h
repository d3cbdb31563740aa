#pragma once
// The one place that opens the windows of the program: each exists once and
// is brought to the front when chosen again.
#include "state/window_opener.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace ktl {

class Platform;
class ProgramState;

class WindowDirector : public WindowOpener {
 public:
  WindowDirector(ProgramState& state, Platform& platform);
  // The window the others belong to (Main).
  void setOwner(QWidget* owner) { owner_ = owner; }

  bool has(WindowId id) const override;
  QWidget* open(WindowId id) override;
  void openModal(WindowId id) override;

 private:
  QWidget* make(WindowId id);

  ProgramState& state_;
  Platform& platform_;
  QWidget* owner_ = nullptr;
  std::map<WindowId, QPointer<QWidget>> open_;
};

}  // namespace ktl
