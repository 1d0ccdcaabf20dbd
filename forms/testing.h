// For tests: drive the windows through the same dispatch real input uses,
// on a virtual clock, without a screen.
#pragma once

#include <cstdint>

#include "forms/form.h"

namespace forms::testing {

// Sets up the backend the test program is linked with, headless (Qt: the
// offscreen platform), or none at all (forms/no_backend.cpp), with a
// virtual clock starting at 0 ms; one at a time. Ending it closes every
// form and clears the "program ended" state for the next test.
class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Fires, in time order, every timer tick due up to and including now+ms.
  void advance(int ms);
  std::int64_t now() const;
};

// A press of one button at (x, y) twips in the control's coordinates.
void mouseDown(Control& control, std::int16_t button, float x, float y, std::int16_t shift = 0);
// A full left click on the control (press, then click), at its centre.
void click(Control& control);
// A left click at a point of the form's client area (twips): a press and a
// release there, found and delivered by the core as real input is;
// returns the control the point belongs to.
Control* clickAt(Form& form, float x, float y);
// A press or a release alone at a point of the client area, as real input.
void pressAt(Form& form, float x, float y, std::int16_t button = leftButton,
             std::int16_t shift = 0);
void releaseAt(Form& form, float x, float y, std::int16_t button = leftButton);
void pressKey(Form& form, Key key, std::int16_t shift = 0);
void closeBox(Form& form);

}  // namespace forms::testing
