#include "simulation/single_piece_window.h"

#include <utility>

#include "simulation/metal_look.h"
#include "simulation/module1.h"

namespace velmora {

SinglePieceWindow::SinglePieceWindow(FrameLayout frame, SinglePieceLayout metal, forms::Form& menu)
    : SimulationWindow(std::move(frame), menu), front(metal.stepConstant), metal_(metal) {}

void SinglePieceWindow::buildMetal() {
  field = addField(metal_.field);
  field->onMouseDown = [this](const forms::MouseEvent& e) {
    field_MouseDown(e.button, e.shift, e.x, e.y);
  };
  fire = addFire(*field, metal_.fire);
  Timer1 = addHeatTimer();
  Timer1->onTimer = [this] { Timer1_Timer(); };
}

void SinglePieceWindow::field_MouseDown(std::int16_t Button, std::int16_t /*Shift*/, float X,
                                        float Y) {
  // Only the left button lights the burner, and only on cold metal of an
  // open window.
  if (!loaded() || Button != forms::leftButton || running != 0) return;
  front.press(X, Y, field->Width(), field->Height());
  running = 1;
  field->setMousePointer(forms::MousePointer::Default);
  fire0->setLeft(field->Left() + X - markerHalf);
  fire0->setTop(field->Top() + Y - markerHalf);
  fire->setLeft(X - markerHalf);
  fire->setTop(Y - markerHalf);
  fire0->setVisible(true);
  Timer1->setEnabled(true);
}

void SinglePieceWindow::Timer1_Timer() {
  if (!loaded()) return;  // its timer went with the window's controls
  const FrontTick tick = front.tick(Width(), Module1::speedFactor);
  if (tick.showMarker) fire->setVisible(true);
  if (tick.stop) {
    Timer1->setEnabled(false);
    if (tick.showRetry) retry->setVisible(true);
    return;
  }
  if (tick.disc) field->Circle(tick.disc->x, tick.disc->y, tick.disc->radius);
}

}  // namespace velmora
