#include "soak/program_view.h"

namespace velmora::soak {

SimulationWindow* simulationWindow(Program& program, int number) {
  switch (number) {
    case 1: return program.simulation1.get();
    case 2: return program.simulation2.get();
    case 3: return program.simulation3.get();
    case 4: return program.simulation4.get();
    case 5: return program.simulation5.get();
    case 6: return program.simulation6.get();
    default: return nullptr;
  }
}

SimulationWindow* openWindow(Program& program, int* number) {
  for (int n = 1; n <= simulationCount; ++n) {
    SimulationWindow* window = simulationWindow(program, n);
    if (window && window->loaded()) {
      if (number) *number = n;
      return window;
    }
  }
  if (number) *number = 0;
  return nullptr;
}

Metal::Metal(SimulationWindow& window)
    : single_(dynamic_cast<SinglePieceWindow*>(&window)),
      multi_(dynamic_cast<MultiPieceWindow*>(&window)) {}

int Metal::pieces() const { return multi_ ? multi_->pieceCount() : 1; }

forms::PictureBox& Metal::field(int i) const {
  return multi_ ? multi_->field(static_cast<std::int16_t>(i)) : *single_->field;
}

forms::PictureBox& Metal::fire(int i) const {
  return multi_ ? multi_->fire(static_cast<std::int16_t>(i)) : *single_->fire;
}

forms::Timer& Metal::timer(int i) const {
  return multi_ ? multi_->Timer(static_cast<std::int16_t>(i)) : *single_->Timer1;
}

double Metal::frontRadius(int i) const {
  return multi_ ? multi_->front.arrays.frontRadius[static_cast<std::size_t>(i)]
                : single_->front.frontRadius;
}

int Metal::finishingPiece() const {
  if (!multi_) return 0;
  const std::int16_t clicked = multi_->front.arrays.clickedPiece;
  return multi_->front.shape.finishingPiece[static_cast<std::size_t>(clicked)];
}

std::array<MenuButton, simulationCount> menuButtons(MenuWindow& menu) {
  return {{
      {menu.bou, menu.bou_t, {menu.Shape1}, 2},
      {menu.sikaku, menu.sikaku_t, {menu.Shape2}, 1},
      {menu.tji, menu.tji_t, {menu.Shape3, menu.Shape4}, 3},
      {menu.ou, menu.ou_t, {menu.Shape12, menu.Shape10, menu.Shape11}, 6},
      {menu.hji, menu.hji_t, {menu.Shape6, menu.Shape8, menu.Shape7}, 5},
      {menu.uzu, menu.uzu_t, {menu.Shape5, menu.Shape13, menu.Shape14, menu.Shape9, menu.Shape15},
       4},
  }};
}

}  // namespace velmora::soak
