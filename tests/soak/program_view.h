// The program's windows as the soak reaches them: the six simulation
// windows by number, the metal of an open one seen alike whether it is one
// piece or several, and the menu's picture buttons.
#pragma once

#include <array>
#include <vector>

#include "app/program.h"

namespace velmora::soak {

constexpr int simulationCount = 6;

// simulation1 ... simulation6; null until the child first opens it.
SimulationWindow* simulationWindow(Program& program, int number);
// The simulation window on the screen, or null.
SimulationWindow* openWindow(Program& program, int* number = nullptr);

// The metal of an open simulation window (its controls are valid only
// while it stays open).
class Metal {
 public:
  explicit Metal(SimulationWindow& window);

  int pieces() const;
  bool severalPieces() const { return multi_ != nullptr; }
  forms::PictureBox& field(int i) const;
  forms::PictureBox& fire(int i) const;
  forms::Timer& timer(int i) const;
  double frontRadius(int i) const;
  // The piece whose stop ends the current run and shows "もう一度".
  int finishingPiece() const;

 private:
  SinglePieceWindow* single_ = nullptr;
  MultiPieceWindow* multi_ = nullptr;
};

struct MenuButton {
  forms::PictureBox* box;
  forms::Label* caption;
  std::vector<forms::FilledRect*> pictogram;
  int opens;  // the simulation window's number
};

std::array<MenuButton, simulationCount> menuButtons(MenuWindow& menu);

// The speed each option stands for: "ゆっくり", "ふつう", "はやい".
constexpr std::array<float, 3> speedValues{20, 50, 100};

}  // namespace velmora::soak
