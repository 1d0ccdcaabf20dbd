// One factory per kind of control: each makes the Win32 object that shows
// the control inside its container's window, and the peer that owns it.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms::win32 {

std::unique_ptr<ControlPeer> makeFormPeer(Form& form);
std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, HWND parent);
std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button, HWND parent);
std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option, HWND parent);
// Images, labels, lines and filled rectangles have no window: their
// container draws them, and their peer only asks it to draw again.
std::unique_ptr<ControlPeer> makeDrawnPeer(Control& control);

}  // namespace forms::win32
