// The toolkit over Qt 6 Widgets.
#pragma once

#include "forms/backend.h"

namespace forms::qt {

class QtBackend : public Backend {
 public:
  std::unique_ptr<ControlPeer> createPeer(Control& control) override;
  std::unique_ptr<TimerPeer> createTimerPeer(Timer& timer) override;
  double devicePixelRatio() const override;
  void quitEventLoop() override;
};

// The one Qt backend of the process.
QtBackend& qtBackend();

}  // namespace forms::qt
