// One factory per kind of control: each makes the widget that mirrors the
// control inside its container's widget, and the peer that owns it.
#pragma once

#include <memory>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

class QWidget;

namespace forms::qt {

std::unique_ptr<ControlPeer> makeFormPeer(Form& form);
std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, QWidget* parent);
std::unique_ptr<ControlPeer> makeLabelPeer(Label& label, QWidget* parent);
std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button, QWidget* parent);
std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option, QWidget* parent);
// Images, lines and filled rectangles: drawn, taking no input.
std::unique_ptr<ControlPeer> makeDrawnPeer(Control& control, QWidget* parent);

}  // namespace forms::qt
