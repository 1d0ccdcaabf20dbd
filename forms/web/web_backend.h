// The toolkit in the browser (Emscripten). Every control's peer is an
// element of the page; the page's own event loop runs the program once
// main has returned, and its pointer, key and timer events come back
// through the functions web_backend.cpp exports to the page.
#pragma once

#include "forms/backend.h"

namespace forms::web {

class WebBackend : public Backend {
 public:
  void start(bool headless) override;
  // The browser's loop is not ours to run: returns at once, and the
  // runtime stays for the page's events.
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

  // For the conformance suite's probe, which waits in the page's own loop
  // (through Asyncify) until the program leaves it: enter, ask, leave.
  void enterEventLoop() { looping_ = true; }
  bool inEventLoop() const { return looping_; }
  void leaveEventLoop(int exitCode);
  int exitCode() const { return exitCode_; }

 private:
  bool looping_ = false;
  int exitCode_ = 0;
};

}  // namespace forms::web
