// Book-keeping of the toolkit's live objects, shared by the core and the
// backends: which forms exist (so ending the program can close them all),
// how many controls and timers live, and whether a control is still alive
// after a handler that may have closed its form.
#pragma once

#include <cstdint>
#include <vector>

namespace forms {

class Control;
class Form;

namespace lifetime {

void formCreated(Form* form);
void formDestroyed(Form* form);
// Every form that exists, in creation order.
std::vector<Form*> forms();

// Registers a control (or timer) and returns its serial; serials are never
// reused, so a control at a recycled address is not taken for the old one.
std::uint64_t controlCreated(const Control* control);
void controlDestroyed(const Control* control);
void timerCreated();
void timerDestroyed();
bool controlAlive(const Control* control, std::uint64_t serial);
std::uint64_t serialOf(const Control* control);

// Closes every form without running any handler (test teardown, end).
void closeEveryForm();
// Clears the "program ended" state (and full screen) so the next test
// starts afresh.
void resetProgramEnded();

}  // namespace lifetime

// Remembers a control across a handler call and tells whether it survived.
class ControlWatch {
 public:
  explicit ControlWatch(const Control* control)
      : control_(control), serial_(lifetime::serialOf(control)) {}
  bool alive() const { return lifetime::controlAlive(control_, serial_); }

 private:
  const Control* control_;
  std::uint64_t serial_;
};

}  // namespace forms
