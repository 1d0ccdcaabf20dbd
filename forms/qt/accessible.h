// The toolkit's widgets as Qt's accessibility presents them.
#pragma once

#include <string>

class QWidget;

namespace forms::qt {

// Gives the widgets the toolkit draws itself the roles and names the core
// works out; once, when the application starts.
void installAccessibility();

// Has the platform tell a screen reader `text` at once, for the form's window.
void announceOn(QWidget& form, const std::string& text);

}  // namespace forms::qt
