// Where the child's events took the program: so a soak that stopped
// reaching a state (a window never finishing, a speed never changed while
// heating) fails instead of passing quietly.
#pragma once

#include <array>
#include <string>

#include "app/program.h"
#include "soak/random_child.h"

namespace velmora::soak {

enum class Screen { Menu, Idle, Heating, Finished, Ended, count };
constexpr int screenCount = static_cast<int>(Screen::count);

struct Spot {
  Screen screen = Screen::Menu;
  int window = 0;  // the open simulation window's number, 0 for none
};

Spot spotOf(Program& program);

class Coverage {
 public:
  void record(const Spot& before, const Act& act, const Spot& after);
  // What a long run should have reached and did not; empty when all.
  std::string missing() const;
  std::string summary() const;
  long endings() const { return endings_; }

 private:
  using PerWindow = std::array<long, 7>;
  std::array<std::array<long, screenCount>, deedCount> deeds_{};
  PerWindow opened_{};
  PerWindow started_{};
  PerWindow finished_{};
  PerWindow retried_{};
  std::array<long, screenCount> closedFrom_{};
  std::array<long, deedCount> endedBy_{};
  std::array<long, 5> pressesByButton_{};
  long endings_ = 0;
};

}  // namespace velmora::soak
