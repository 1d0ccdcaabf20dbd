// A child at the screen: presses any mouse button anywhere, on the metal
// and beside it, clicks every button, caption and picture, closes windows,
// hits the keys, and waits a moment or a long while. Seeded, so a run that
// broke the program can be played again event by event.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "soak/program_run.h"

namespace velmora::soak {

// What the child did, whatever it turned out to hit.
enum class Deed {
  Open,           // a picture button, its caption or its pictogram
  MenuStray,      // any button anywhere on the menu
  EndByButton,    // "おわり"
  EndByCloseBox,  // the menu's close box
  Press,          // any button on a piece of metal, at its edges or just off it
  PressAround,    // any button on the window around and over the metal
  ClickWindow,    // a left click anywhere on the simulation window
  Speed,          // one of the speed options
  Retry,          // "もう一度", or where it stands when hidden
  Back,           // "もどる"
  CloseBox,       // a simulation window's close box
  Key,            // Tab, Shift+Tab, Space or an arrow
  Wait,           // the clock runs on
  count
};
constexpr int deedCount = static_cast<int>(Deed::count);

struct Act {
  Deed deed;
  std::string what;         // for the failure report
  std::int16_t button = 0;  // the mouse button of a press, if any
};

class RandomChild {
 public:
  explicit RandomChild(std::uint64_t seed) : rng_(seed) {}

  // One event on whichever window is on the screen.
  Act act(ProgramRun& run);

 private:
  Act onMenu(ProgramRun& run);
  Act onSimulation(ProgramRun& run, SimulationWindow& window, int number);
  Act pressMetal(SimulationWindow& window, int number);
  Act pressAround(SimulationWindow& window, int number);
  Act pressKey(forms::Form& form, const std::string& where);
  Act wait(ProgramRun& run, const std::string& where);

  int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  bool chance(double p) { return unit() < p; }
  double unit() { return static_cast<double>(rng_() >> 11) * 0x1.0p-53; }
  // A coordinate in [from, to): on whole pixels half the time, as a mouse
  // at 100 % gives them, anywhere between otherwise.
  float between(float from, float to);
  // A point of the rectangle, picked the same way.
  forms::Point inside(const forms::Rect& r);
  std::int16_t anyButton();
  // Picks an index by weight.
  template <std::size_t N>
  int weighted(const std::array<double, N>& weights);

  std::mt19937_64 rng_;
};

}  // namespace velmora::soak
