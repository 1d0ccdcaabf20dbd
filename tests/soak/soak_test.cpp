// "Nothing a child does can break it": hundreds of thousands of random
// presses, clicks, keys, close boxes and waits on the whole program, with
// the program checked against itself after every one of them.
#include <doctest/doctest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/testing.h"
#include "soak/coverage.h"
#include "soak/program_checks.h"
#include "soak/program_run.h"
#include "soak/program_view.h"
#include "soak/random_child.h"
#include "soak/soak_settings.h"

using namespace velmora;
using namespace velmora::soak;

namespace {

// The last events before a failure, for the report.
class RecentEvents {
 public:
  void add(long number, std::string what) {
    events_[next_ % events_.size()] = {number, std::move(what)};
    ++next_;
  }
  std::string text() const {
    std::string all;
    const std::size_t count = std::min(next_, events_.size());
    for (std::size_t i = next_ - count; i < next_; ++i) {
      const auto& [number, what] = events_[i % events_.size()];
      all += "  #" + std::to_string(number) + " " + what + "\n";
    }
    return all;
  }

 private:
  std::array<std::pair<long, std::string>, 40> events_;
  std::size_t next_ = 0;
};

// What the window objects hold once the program has ended: any handler
// that still ran would change some of it.
std::vector<double> remainsOf(Program& program) {
  std::vector<double> remains{program.speed()};
  for (int n = 1; n <= shapeCount; ++n) {
    SimulationWindow* window = shapeWindow(program, n);
    if (!window) continue;
    remains.push_back(window->heat.running());
    remains.push_back(window->heat.clickedPiece());
    for (const heat::PieceState& piece : window->heat.pieces) {
      remains.push_back(piece.frontRadius);
      remains.push_back(piece.maxReach);
    }
  }
  return remains;
}

// After the end a child may still hit keys and close boxes, and time goes
// on; no window may come back and no handler may run.
std::string nothingRunsAfterTheEnd(ProgramRun& run, ProgramChecks& checks) {
  Program& program = run.program();
  if (std::string wrong = checks.afterEnd(program); !wrong.empty()) return wrong;
  const std::vector<double> before = remainsOf(program);
  run.advance(120000);
  std::vector<forms::Form*> windows{&program.menu};
  for (int n = 1; n <= shapeCount; ++n) {
    if (SimulationWindow* window = shapeWindow(program, n)) windows.push_back(window);
  }
  for (forms::Form* window : windows) {
    for (forms::Key key : {forms::Key::Tab, forms::Key::Space, forms::Key::Down}) {
      forms::testing::pressKey(*window, key);
    }
    forms::testing::closeBox(*window);
    window->show();
  }
  run.advance(5000);
  if (remainsOf(program) != before) return "a handler ran after the program ended";
  return checks.afterEnd(program);
}

// A fresh start, as the child would start the program again.
std::string startAgain(ProgramRun& run, ProgramChecks& checks) {
  run.tearDown();
  run.start();
  if (run.objectsAfterTearDown() != run.objectsBefore()) {
    return "the ended program left " +
           std::to_string(run.objectsAfterTearDown() - run.objectsBefore()) +
           " toolkit objects behind";
  }
  return checks.afterStart(run.program(), run.objectsBefore());
}

}  // namespace

TEST_CASE("a child pressing anything, anywhere, at any moment cannot break the program") {
  const SoakSettings settings = soakSettings();
  std::printf("soak: seed %llu, %ld events (replay: %s)\n",
              static_cast<unsigned long long>(settings.seed), settings.events,
              replayLine(settings).c_str());
  std::fflush(stdout);

  ProgramRun run;
  ProgramChecks checks;
  RandomChild child(settings.seed);
  RecentEvents recent;
  Coverage coverage;
  std::string wrong = checks.afterStart(run.program(), run.objectsBefore());
  long event = 0;
  const auto started = std::chrono::steady_clock::now();
  while (wrong.empty() && event < settings.events) {
    ++event;
    const Spot before = spotOf(run.program());
    Act act = child.act(run);
    const Spot after = spotOf(run.program());
    coverage.record(before, act, after);
    recent.add(event, std::move(act.what));
    if (after.screen != Screen::Ended) {
      wrong = checks.afterEvent(run.program());
      continue;
    }
    wrong = nothingRunsAfterTheEnd(run, checks);
    if (wrong.empty()) wrong = startAgain(run, checks);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  if (!wrong.empty()) {
    FAIL("the program disagreed with itself after event #"
         << event << ": " << wrong << "\nthe last events:\n"
         << recent.text() << "replay with: " << replayLine(settings));
  }
  std::printf("soak: %ld events in %.1f s (%.0f events/s, %s build): %s\n", event, seconds,
              event / seconds, settings.sanitized ? "sanitizer" : "plain",
              coverage.summary().c_str());
  // A run long enough should have been everywhere.
  if (settings.events >= 50000) {
    INFO("seed " << settings.seed);
    CHECK(coverage.missing() == "");
  }
}
