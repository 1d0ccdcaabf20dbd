// What must hold of the program after anything the child does: the program
// agrees with itself. Each check returns what is wrong, or an empty string.
#pragma once

#include <string>

#include "app/program.h"

namespace velmora::soak {

class ProgramChecks {
 public:
  // A program just started: the menu alone, at the normal speed.
  std::string afterStart(Program& program, int objectsBefore);
  // After one event while the program runs.
  std::string afterEvent(Program& program);
  // After the program has ended: everything closed, every timer gone.
  std::string afterEnd(Program& program);

 private:
  std::string checkWindow(SimulationWindow& window, float speed, bool wholeMetal);

  int objectsBefore_ = 0;
  const forms::Label* versionLine_ = nullptr;
  // Where the last check found the program, so the whole metal is read
  // whenever a window opens or turns idle again.
  int lastOpen_ = 0;
  int lastRunning_ = -1;
  unsigned long events_ = 0;
};

}  // namespace velmora::soak
