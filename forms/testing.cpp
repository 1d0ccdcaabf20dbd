// The test session and test input: the same dispatch functions the
// backends feed real input to, on a virtual clock, with the backend the
// test program is linked with (or none).
#include "forms/testing.h"

#include <cassert>

#include "forms/backend.h"
#include "forms/clock.h"
#include "forms/lifetime.h"

namespace forms::testing {

namespace {

struct Active {
  VirtualClock clock;
  Backend* previousBackend = nullptr;
};

Active* active = nullptr;

}  // namespace

Session::Session() {
  assert(!active && "one test session at a time");
  active = new Active;
  active->previousBackend = backend();
  if (Backend* platform = platformBackend()) {
    // Connected once for the whole test program: window objects of the
    // program outlive any one test.
    static const bool started = (platform->start(true), true);
    (void)started;
    setBackend(platform);
  }
  setClock(&active->clock);
}

Session::~Session() {
  lifetime::closeEveryForm();
  lifetime::resetProgramEnded();
  setClock(nullptr);
  Backend* used = backend();
  setBackend(active->previousBackend);
  delete active;
  active = nullptr;
  // Nothing of the closed windows is on the stack now: let them go.
  if (used) used->handlePendingEvents();
}

void Session::advance(int ms) {
  // What the event loop would have handled by now (repaints, windows
  // closed) is handled first; left pending, a long test's queue only grows.
  if (Backend* b = backend()) b->handlePendingEvents();
  active->clock.advance(ms);
}

std::int64_t Session::now() const { return active->clock.now(); }

void mouseDown(Control& control, std::int16_t button, float x, float y, std::int16_t shift) {
  control.dispatchMouseDown({button, shift, x, y});
}

void click(Control& control) {
  ControlWatch watch(&control);
  control.dispatchMouseDown({leftButton, 0, control.width() / 2, control.height() / 2});
  // The press may have closed the form and with it the control.
  if (watch.alive()) control.dispatchClick();
}

void pressAt(Form& form, float x, float y, std::int16_t button, std::int16_t shift) {
  form.pressAt({button, shift, x, y});
}

void releaseAt(Form& form, float x, float y, std::int16_t button) {
  form.releaseAt({button, 0, x, y});
}

Control* clickAt(Form& form, float x, float y) {
  Control* target = form.hitTest(x, y);
  form.pressAt({leftButton, 0, x, y});
  form.releaseAt({leftButton, 0, x, y});
  return target;
}

void pressKey(Form& form, Key key, std::int16_t shift) { form.dispatchKey(key, shift); }

void closeBox(Form& form) { form.dispatchCloseBox(); }

}  // namespace forms::testing
