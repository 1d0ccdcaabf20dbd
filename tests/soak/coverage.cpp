#include "soak/coverage.h"

#include "forms/application.h"
#include "soak/program_view.h"

namespace velmora::soak {

namespace {

int at(Screen screen) { return static_cast<int>(screen); }
int at(Deed deed) { return static_cast<int>(deed); }

bool onSimulation(Screen screen) {
  return screen == Screen::Idle || screen == Screen::Heating || screen == Screen::Finished;
}

const char* const screenNames[] = {"the menu", "idle", "heating", "finished", "ended"};

}  // namespace

Spot spotOf(Program& program) {
  if (forms::programEnded()) return {Screen::Ended, 0};
  int number = 0;
  SimulationWindow* window = openWindow(program, &number);
  if (!window) return {Screen::Menu, 0};
  if (!window->heat.running()) return {Screen::Idle, number};
  return {window->retryButton->visible() ? Screen::Finished : Screen::Heating, number};
}

void Coverage::record(const Spot& before, const Act& act, const Spot& after) {
  ++deeds_[static_cast<std::size_t>(at(act.deed))][static_cast<std::size_t>(at(before.screen))];
  const auto window = static_cast<std::size_t>(after.window);
  const bool same = before.window == after.window;
  if (before.screen == Screen::Menu && after.screen == Screen::Idle) ++opened_[window];
  if (same && before.screen == Screen::Idle && after.screen == Screen::Heating) ++started_[window];
  if (same && before.screen == Screen::Heating && after.screen == Screen::Finished) {
    ++finished_[window];
  }
  if (same && before.screen == Screen::Finished && after.screen == Screen::Idle) ++retried_[window];
  if (onSimulation(before.screen) && after.screen == Screen::Menu) {
    ++closedFrom_[static_cast<std::size_t>(at(before.screen))];
  }
  if (after.screen == Screen::Ended) {
    ++endedBy_[static_cast<std::size_t>(at(act.deed))];
    ++endings_;
  }
  if ((act.deed == Deed::Press || act.deed == Deed::PressAround) && act.button > 0 &&
      act.button < 5) {
    ++pressesByButton_[static_cast<std::size_t>(act.button)];
  }
}

std::string Coverage::missing() const {
  std::string gaps;
  const auto gap = [&](bool reached, const std::string& what) {
    if (!reached) gaps += (gaps.empty() ? "" : "; ") + what;
  };
  for (int n = 1; n <= 6; ++n) {
    const std::string where = shapeName(n);
    const auto i = static_cast<std::size_t>(n);
    gap(opened_[i] > 0, where + " never opened");
    gap(started_[i] > 0, where + " never started a run");
    gap(finished_[i] > 0, where + " never finished a run");
    gap(retried_[i] > 0, where + " never made ready again with もう一度");
  }
  for (Screen screen : {Screen::Idle, Screen::Heating, Screen::Finished}) {
    const auto s = static_cast<std::size_t>(at(screen));
    const std::string state = screenNames[s];
    gap(deeds_[static_cast<std::size_t>(at(Deed::Speed))][s] > 0, "no speed change while " + state);
    gap(closedFrom_[s] > 0, "no window closed while " + state);
    gap(deeds_[static_cast<std::size_t>(at(Deed::Press))][s] > 0,
        "no press on metal while " + state);
    gap(deeds_[static_cast<std::size_t>(at(Deed::Key))][s] > 0, "no key pressed while " + state);
  }
  for (std::int16_t button : {forms::leftButton, forms::rightButton, forms::middleButton}) {
    gap(pressesByButton_[static_cast<std::size_t>(button)] > 0,
        "no press with button " + std::to_string(button));
  }
  gap(endedBy_[static_cast<std::size_t>(at(Deed::EndByButton))] > 0, "おわり never ended it");
  gap(endedBy_[static_cast<std::size_t>(at(Deed::EndByCloseBox))] > 0,
      "the menu's close box never ended it");
  return gaps;
}

std::string Coverage::summary() const {
  long opened = 0, started = 0, finished = 0, retried = 0;
  for (int n = 1; n <= 6; ++n) {
    opened += opened_[static_cast<std::size_t>(n)];
    started += started_[static_cast<std::size_t>(n)];
    finished += finished_[static_cast<std::size_t>(n)];
    retried += retried_[static_cast<std::size_t>(n)];
  }
  return std::to_string(opened) + " windows opened, " + std::to_string(started) +
         " runs started, " + std::to_string(finished) + " finished, " + std::to_string(retried) +
         " made ready again, " + std::to_string(endings_) + " program ends";
}

}  // namespace velmora::soak
