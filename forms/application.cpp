// The process-wide state of the toolkit: the backend in use, the "program
// ended" switch, and the registry of live forms, controls and timers.
#include "forms/application.h"

#include <algorithm>
#include <unordered_map>

#include "forms/backend.h"
#include "forms/clock.h"
#include "forms/form.h"
#include "forms/lifetime.h"

namespace forms {

namespace {

struct ProgramState {
  Backend* backend = nullptr;
  bool ended = false;
  bool fullScreen = false;
  std::vector<Form*> forms;
  std::unordered_map<const Control*, std::uint64_t> controls;
  std::uint64_t nextSerial = 1;
  int timers = 0;
};

ProgramState& state() {
  static ProgramState programState;
  return programState;
}

}  // namespace

Backend* backend() { return state().backend; }
void setBackend(Backend* backend) { state().backend = backend; }

void endProgram() {
  if (state().ended) return;
  // Set first: closing the forms must not run any handler either.
  state().ended = true;
  lifetime::closeEveryForm();
  clock().stopAll();
  if (Backend* b = backend()) b->quitEventLoop(0);
}

bool programEnded() { return state().ended; }

bool fullScreen() { return state().fullScreen; }

void setFullScreen(bool on) {
  if (state().fullScreen == on || programEnded()) return;
  state().fullScreen = on;
  for (Form* form : lifetime::forms()) form->screenModeChanged();
}

int liveObjectCount() { return static_cast<int>(state().controls.size()) + state().timers; }

namespace lifetime {

void formCreated(Form* form) { state().forms.push_back(form); }

void formDestroyed(Form* form) {
  auto& all = state().forms;
  all.erase(std::remove(all.begin(), all.end(), form), all.end());
}

std::vector<Form*> forms() { return state().forms; }

std::uint64_t controlCreated(const Control* control) {
  const std::uint64_t serial = state().nextSerial++;
  state().controls[control] = serial;
  return serial;
}

void controlDestroyed(const Control* control) { state().controls.erase(control); }

void timerCreated() { ++state().timers; }
void timerDestroyed() { --state().timers; }

bool controlAlive(const Control* control, std::uint64_t serial) {
  auto found = state().controls.find(control);
  return found != state().controls.end() && found->second == serial;
}

std::uint64_t serialOf(const Control* control) {
  auto found = state().controls.find(control);
  return found == state().controls.end() ? 0 : found->second;
}

void closeEveryForm() {
  // The latest window first, like windows stacked on the desk.
  std::vector<Form*> all = forms();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (std::find(state().forms.begin(), state().forms.end(), *it) != state().forms.end()) {
      (*it)->close();
    }
  }
}

void resetProgramEnded() {
  state().ended = false;
  state().fullScreen = false;
}

}  // namespace lifetime

}  // namespace forms
