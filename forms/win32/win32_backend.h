// The toolkit over the plain Win32 API: one thread for the windows (the
// timers' threads only post ticks to it), one message loop,
// wide-character calls throughout.
#pragma once

#include <windows.h>

#include "forms/backend.h"

namespace forms::win32 {

class Win32Backend : public Backend {
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

 private:
  int loopDepth_ = 0;
};

// The one Win32 backend of the process.
Win32Backend& win32Backend();

// Window class names, registered by start().
inline constexpr wchar_t formClass[] = L"VelmoraForm";
inline constexpr wchar_t pictureBoxClass[] = L"VelmoraPictureBox";

// Destroys a window once the message loop is back at the top, so a peer
// let go from inside its own window's message never pulls the window from
// under it.
void destroyLater(HWND hwnd);

// How many of the backend's windows exist, shown or not: each window
// counts itself in when made and out when destroyed.
void countWindow(int change);
int liveWindowCount();

}  // namespace forms::win32
