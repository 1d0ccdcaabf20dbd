// What the toolkit draws over a form's controls once a key was pressed in
// it: the focus mark around the focused control and, on a focused picture
// box that shows a custom cursor, that cursor's picture at the point the
// keyboard aims at. The core works out every pixel, so the mark looks the
// same on every backend; a backend only fills the runs, above everything
// else in the window.
#pragma once

#include <vector>

#include "forms/canvas.h"
#include "forms/types.h"

namespace forms {

class Control;
class Form;

// The focus mark: thick enough to be seen from the back of a classroom on a
// projector, and dark blue, which stands out against every background the
// windows use (pale yellow, light grey, the heated red) by more than 3:1.
constexpr int focusMarkPixels = 2;  // at 100 %; scaled with the pixel ratio
constexpr Color focusMarkColour = rgb(0, 0, 160);

// How far an arrow key moves the aim, in twips (with Shift, the fine step).
constexpr float aimStep = 150;
constexpr float fineAimStep = 15;

// One flat run of device pixels of the form's client area.
struct OverlayRun {
  PixelArea area;
  Color colour = 0;
  bool operator==(const OverlayRun& other) const {
    return colour == other.colour && area.left == other.area.left && area.top == other.area.top &&
           area.right == other.area.right && area.bottom == other.area.bottom;
  }
};

// A control's box in device pixels of its form's client area, each edge
// rounded as the backends place the control.
PixelArea devicePixelsOf(const Control& control);

// The runs to draw over `form` now: none until a key was pressed in it.
std::vector<OverlayRun> keyboardOverlay(const Form& form);

// The box around a set of runs (empty for none).
PixelArea boundsOf(const std::vector<OverlayRun>& runs);

}  // namespace forms
