// What every backend does alike, written once: each backend turns its
// platform's events and objects into these plain calls and keeps only the
// platform calls themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/types.h"

namespace forms {

class Control;
class ControlPeer;
class Form;

// Shows the whole state of a freshly made peer at once, in the one order
// every backend uses: where it is, what it shows, and last whether it is
// seen, so it never appears half drawn.
void showAll(ControlPeer& peer);

// A windowless control (image, label, line, filled rectangle) lies beneath
// every windowed one of its container, later-made above earlier: the
// stacking the core's hit test assumes. The windowed sibling whose platform
// object a new control's goes just beneath, or null for the top of its
// container.
const Control* stackedBeneath(const Control& control);

// Points to pixels through twips (1 pt = 20 twips, 15 twips = 1 px), never
// through the screen's logical DPI; `zoom` is how many times larger than
// its logical size the window is shown. At least one pixel.
int fontPixelSize(const Font& font, double zoom = 1.0);

// The face names a font request may be drawn with, best first: the named
// Japanese Gothic face under its Japanese and its English name, then the
// Gothic faces of later Windows versions, of Linux (the IPA faces, drawn to
// the same metrics), of macOS and the Noto faces. Any other face: itself.
const std::vector<std::string>& fontFamilies(const std::string& face);
// Which of the program's two Gothic faces a request names, if either.
enum class Gothic { None, Fixed, Proportional };
Gothic gothicOf(const std::string& face);
// The first of fontFamilies(face) the machine has, asked once per face;
// empty when it has none of them.
std::string installedFamily(const std::string& face, bool (*installed)(const std::string& family));

// The keys held with a mouse button or a key, as the handlers receive them.
constexpr std::int16_t shiftHeld = 1;
constexpr std::int16_t ctrlHeld = 2;
constexpr std::int16_t altHeld = 4;
constexpr std::int16_t shiftCode(bool shift, bool ctrl, bool alt) {
  return static_cast<std::int16_t>((shift ? shiftHeld : 0) | (ctrl ? ctrlHeld : 0) |
                                   (alt ? altHeld : 0));
}

// A press or release of one button (leftButton, rightButton, middleButton;
// anything else is not the toolkit's) on a form's window, at a point in
// device pixels from the window's corner. The core finds the control there.
void mouseButtonAt(Form& form, bool press, std::int16_t button, std::int16_t shift, double deviceX,
                   double deviceY);

// A key the toolkit handles (Key) arrived on a control's window. Shift+Tab
// is the back tab; the core acts once per press, never on a repeat or a
// release, so the platform's own handling of the key must be swallowed
// whatever the phase. `control` may be null (its control is gone).
enum class KeyPhase { Press, Repeat, Release };
void keyArrived(Control* control, Key key, KeyPhase phase, bool shift);

// The platform's focus arrived on a control (a click on a button): the
// toolkit's focus follows, once the form is loaded.
void focusArrived(Control& control);

// Full screen on a screen of this many device pixels: the ratio that fills
// it at the client area's own proportions (3.30 for a shape window on a
// 1920 × 1080 projector), and the client area centred, told to the form.
void placeOnScreen(Form& form, double screenWidth, double screenHeight);

}  // namespace forms
