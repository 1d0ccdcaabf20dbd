// The Qt side of the toolkit, for the Qt probe and the end-to-end tests
// that drive real Qt input: the widget that shows a control on the screen.
#pragma once

class QWidget;

namespace forms {
class Control;
}

namespace forms::qt {

// The widget showing the control, or null when it has none (built with no
// backend, or already destroyed).
QWidget* widgetOf(const Control& control);

}  // namespace forms::qt
