// The toolkit over Qt 6 Widgets.
#pragma once

#include "forms/backend.h"

namespace forms::qt {

class QtBackend : public Backend {
 public:
  void start(bool headless) override;
  int runEventLoop() override;
  void quitEventLoop(int exitCode) override;
  void handlePendingEvents() override;

  std::unique_ptr<ControlPeer> createForm(Form& form) override;
  std::unique_ptr<ControlPeer> createPictureBox(PictureBox& box) override;
  std::unique_ptr<ControlPeer> createImage(Image& image) override;
  std::unique_ptr<ControlPeer> createCommandButton(CommandButton& button) override;
  std::unique_ptr<ControlPeer> createOptionButton(OptionButton& option) override;
  std::unique_ptr<ControlPeer> createLabel(Label& label) override;
  std::unique_ptr<ControlPeer> createLine(Line& line) override;
  std::unique_ptr<ControlPeer> createFilledRect(FilledRect& shape) override;
  std::unique_ptr<TimerPeer> createTimer(Timer& timer) override;
};

// The one Qt backend of the process.
QtBackend& qtBackend();

}  // namespace forms::qt
