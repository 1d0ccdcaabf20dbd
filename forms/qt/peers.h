// One factory per kind of control: each makes the widget that shows the
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
// Drawn on their container, taking no input.
std::unique_ptr<ControlPeer> makeImagePeer(Image& image, QWidget* parent);
std::unique_ptr<ControlPeer> makeLinePeer(Line& line, QWidget* parent);
std::unique_ptr<ControlPeer> makeFilledRectPeer(FilledRect& shape, QWidget* parent);

}  // namespace forms::qt
