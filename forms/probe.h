// What the conformance suite asks of a backend, beyond the toolkit's own
// calls: to look at the screen and to poke it the way the platform would.
// Each backend implements it in a small test-only library (Qt:
// velmora_forms_qt_probe); tests/forms/ sees nothing else of a backend.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"

namespace forms::testing {

// The form's client area as the window system shows it.
struct Screenshot {
  int width = 0;  // device pixels
  int height = 0;
  double ratio = 1.0;  // device pixels per screen pixel
  std::vector<Color> pixels;

  // The colour at a point of the client area, in twips (0 outside).
  Color at(float x, float y) const { return pixel(device(x), device(y)); }
  // How many device pixels of a rectangle (twips) have exactly this colour,
  // and how many are dark (the strokes of small text, smoothed at their
  // edges).
  int count(Rect r, Color colour) const {
    return countIf(r, [colour](Color c) { return c == colour; });
  }
  int countDark(Rect r) const {
    return countIf(r,
                   [](Color c) { return redOf(c) < 100 && greenOf(c) < 100 && blueOf(c) < 100; });
  }
  // Device pixels a rectangle (twips) covers.
  int area(Rect r) const {
    return countIf(r, [](Color) { return true; });
  }

 private:
  int device(float twips) const { return static_cast<int>(std::floor(twips / 15 * ratio)); }
  Color pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
  template <class Test>
  int countIf(Rect r, Test test) const {
    int n = 0;
    for (int y = device(r.top); y < device(r.top + r.height); ++y) {
      for (int x = device(r.left); x < device(r.left + r.width); ++x) {
        n += x >= 0 && y >= 0 && x < width && y < height && test(pixel(x, y));
      }
    }
    return n;
  }
};

// The mouse cursor the window system shows over a point.
struct ShownCursor {
  bool custom = false;  // false: the platform's arrow
  int hotX = 0;         // the hot spot in the picture's pixels
  int hotY = 0;
  int width = 0;  // the picture's size in screen pixels
  int height = 0;
};

// The screen a form's window is on, in device pixels.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

// What the window system reports of a form's window.
struct ShownWindow {
  std::string title;
  int clientWidth = 0;  // screen pixels
  int clientHeight = 0;
  bool visible = false;
  bool resizable = true;
  bool minimiseButton = true;
  bool maximiseButton = true;
  bool hasIcon = false;
};

// The font the platform draws a label with.
struct ShownFont {
  std::string family;
  int pixelSize = 0;  // screen pixels
  bool bold = false;
};

// What the platform's accessibility tells a screen reader of a control,
// its role read back as the toolkit's.
struct ShownAccessible {
  std::string name;
  std::string description;
  AccessibleRole role = AccessibleRole::None;
};

class Probe {
 public:
  virtual ~Probe() = default;

  virtual Screenshot screenshot(const Form& form) = 0;
  // A mouse press or release at a point of the client area (twips),
  // delivered the way the platform delivers real input (Qt: to the window,
  // which passes it to whatever widget lies there), with the buttons still
  // held, as the platform reports them: a right press while the left is
  // down holds both.
  virtual void press(Form& form, float x, float y, std::int16_t button = leftButton,
                     std::int16_t shift = 0) = 0;
  virtual void release(Form& form, float x, float y, std::int16_t button = leftButton) = 0;
  void click(Form& form, float x, float y) {
    press(form, x, y);
    release(form, x, y);
  }
  // A real key press and release on whatever has the platform's focus;
  // `shift` as the mouse's (1: Shift held).
  virtual void key(Form& form, Key key, std::int16_t shift = 0) = 0;
  // The close box of the window's frame, clicked.
  virtual void closeBox(Form& form) = 0;
  // How many of the platform's windows and widgets exist, shown or not:
  // those of a closed form must go once pending events are handled.
  virtual int platformObjectCount() = 0;
  // The control the platform's keyboard focus is on, if any.
  virtual const Control* platformFocus(const Form& form) = 0;
  virtual bool shownSelected(const OptionButton& option) = 0;
  virtual ShownCursor cursorAt(const Form& form, float x, float y) = 0;
  virtual ShownWindow window(const Form& form) = 0;
  virtual ShownFont font(const Label& label) = 0;
  virtual ScreenSize screenOf(const Form& form) = 0;
  virtual ShownAccessible accessible(const Control& control) = 0;
  // What the platform was last asked to say aloud for the form's window;
  // empty if nothing.
  virtual std::string announced(const Form& form) = 0;
  // Moves the form to a screen whose pixel ratio is `ratio`, as a teacher
  // drags a window onto the projector; false if the platform has none.
  virtual bool moveToScreenOfRatio(Form& form, double ratio) = 0;
  // Runs the platform's event loop until it is left (endProgram, or
  // leaveEventLoop), first running `first` from inside it; returns the
  // loop's exit code. `timeoutMs` ends a loop nothing left, with code -1.
  virtual int runEventLoop(const std::function<void()>& first, int timeoutMs) = 0;
  virtual void leaveEventLoop() = 0;
};

// The probe of the backend the test program is linked with.
Probe& probe();

}  // namespace forms::testing
