// The Qt side of the toolkit, for end-to-end tests that drive real Qt
// input: the widget that shows a control on the screen.
#pragma once

class QWidget;

namespace forms {
class Control;
}

namespace forms::qt {

// The widget mirroring the control, or null when it has none (built with
// no backend, or already destroyed).
QWidget* widgetOf(const Control& control);

// The resource path of a picture compiled into the program
// (":/pictures/<file name>").
const char* pictureResourcePrefix();

}  // namespace forms::qt
