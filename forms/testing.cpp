// Test input: the same dispatch functions the backends feed real input to.
// (The Session, which needs a backend, lives with each backend.)
#include "forms/testing.h"

#include "forms/lifetime.h"

namespace forms::testing {

void mouseDown(Control& control, std::int16_t button, float x, float y, std::int16_t shift) {
  control.dispatchMouseDown({button, shift, x, y});
}

void click(Control& control) {
  ControlWatch watch(&control);
  control.dispatchMouseDown({leftButton, 0, control.Width() / 2, control.Height() / 2});
  // The press may have closed the form and with it the control.
  if (watch.alive()) control.dispatchClick();
}

Control* clickAt(Form& form, float x, float y) {
  Control* target = form.hitTest(x, y);
  float localX = x;
  float localY = y;
  for (const Control* c = target; c && c != &form; c = c->parent()) {
    localX -= c->Left();
    localY -= c->Top();
  }
  ControlWatch watch(target);
  target->dispatchMouseDown({leftButton, 0, localX, localY});
  if (watch.alive()) target->dispatchClick();
  return target;
}

void pressKey(Form& form, Key key) { form.dispatchKey(key); }

void closeBox(Form& form) { form.dispatchCloseBox(); }

}  // namespace forms::testing
