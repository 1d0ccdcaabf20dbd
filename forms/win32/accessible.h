// What Windows' accessibility (MSAA) tells a screen reader of the
// toolkit's windows. The system's own object for a window of a custom
// class says only "client", with no name; each window of the toolkit
// answers WM_GETOBJECT with a small object of its own that gives the
// control's name, description, role and state, and the named pictures and
// labels its window draws as children, and leaves the rest (location,
// parent, navigation) to the system's object.
#pragma once

#include <windows.h>

#include <string>

namespace forms::win32 {

// The answer to WM_GETOBJECT for a window of the toolkit; 0 leaves it to
// the window's default procedure.
LRESULT answerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);

// Has a screen reader told `text` at once, for the form's window: an alert
// the window holds, unseen, whose name is the text (EVENT_SYSTEM_ALERT, and
// EVENT_OBJECT_LIVEREGIONCHANGED for those that follow live regions).
void announceOn(HWND form, const std::string& text);

}  // namespace forms::win32
