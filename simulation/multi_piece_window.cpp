#include "simulation/multi_piece_window.h"

#include <utility>

#include "simulation/metal_look.h"
#include "simulation/module1.h"

namespace velmora {

MultiPieceWindow::MultiPieceWindow(FrameLayout frame, MultiPieceLayout metal,
                                   const MultiShape& shape, forms::Form& menu)
    : SimulationWindow(std::move(frame), menu), front(shape), metal_(std::move(metal)) {}

void MultiPieceWindow::buildMetal() {
  field_.clear();
  fire_.clear();
  Timer_.clear();
  // Pieces made later lie on top where neighbours overlap at a joint.
  for (std::int16_t i = 0; i < pieceCount(); ++i) {
    forms::PictureBox* piece = addField(metal_.fields[i]);
    piece->onMouseDown = [this, i](const forms::MouseEvent& e) {
      field_MouseDown(i, e.button, e.shift, e.x, e.y);
    };
    field_.push_back(piece);
    fire_.push_back(addFire(*piece, metal_.fires[i]));
    forms::Timer* timer = addHeatTimer();
    timer->onTimer = [this, i] { Timer_Timer(i); };
    Timer_.push_back(timer);
  }
}

void MultiPieceWindow::field_MouseDown(std::int16_t Index, std::int16_t Button,
                                       std::int16_t /*Shift*/, float X, float Y) {
  // Only the left button lights the burner, and only on cold metal of an
  // open window.
  if (!loaded() || Button != forms::leftButton || running != 0) return;

  // The pieces as they stand on the window now.
  std::vector<forms::Rect> pieces;
  for (std::int16_t i = 0; i < pieceCount(); ++i) pieces.push_back(field(i).rect());
  front.press(Index, X, Y, pieces, Module1::speedFactor);
  // Every marker sits on the pressed point; in a piece the point lies
  // outside of, clipping hides it.
  for (std::int16_t i = 0; i < pieceCount(); ++i) {
    fire(i).setLeft(front.marker[i].x);
    fire(i).setTop(front.marker[i].y);
  }

  running = 1;
  fire0->setLeft(field(Index).Left() + X - markerHalf);
  fire0->setTop(field(Index).Top() + Y - markerHalf);
  fire0->setVisible(true);
  for (std::int16_t i = 0; i < pieceCount(); ++i) {
    field(i).setMousePointer(forms::MousePointer::Default);
    Timer(i).setEnabled(true);
  }
}

void MultiPieceWindow::Timer_Timer(std::int16_t Index) {
  if (!loaded()) return;  // its timers went with the window's controls
  const FrontTick tick = front.tick(Index, Width(), Module1::speedFactor);
  if (tick.showMarker) fire(Index).setVisible(true);
  if (tick.stop) {
    Timer(Index).setEnabled(false);
    if (tick.showRetry) retry->setVisible(true);
    return;
  }
  if (tick.disc) field(Index).Circle(tick.disc->x, tick.disc->y, tick.disc->radius);
}

}  // namespace velmora
