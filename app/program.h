// The program: the menu, the six shapes' windows and the speed the child
// chose. Each shape's window is made when the child first opens it and kept
// to the end, so it remembers its run between openings.
#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "app/menu_window.h"
#include "app/simulation_window.h"

namespace velmora {

// The three speeds: "ゆっくり", "ふつう", "はやい".
constexpr std::array<float, 3> speedChoices{20, 50, 100};
constexpr float normalSpeed = 50;

class Program {
 public:
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the menu; its load runs first.
  void start();
  // Opens the window of the shape called `shape` (made at its first
  // opening) and hides the menu.
  void open(std::string_view shape);
  void showMenu();

  // Read by every heat tick, so a speed chosen during a run reaches that
  // run's next tick, and pre-selected in every window opened later.
  float speed() const { return speed_; }
  void chooseSpeed(float speed) { speed_ = speed; }

  // The shape's window, or null while it has never been opened.
  SimulationWindow* window(std::string_view shape) const;

  MenuWindow menu;

 private:
  float speed_ = normalSpeed;
  std::vector<std::unique_ptr<SimulationWindow>> windows_;  // by layout row
};

}  // namespace velmora
