// The real clock: the timers tick from the platform's event loop, and a
// tick may close its own window (the run ends with the window).
#include <doctest/doctest.h>

#include <chrono>
#include <vector>

#include "forms/clock.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// Times are read in whole milliseconds, and a platform's timer may answer
// a little before its interval is quite over (Wine's by a millisecond):
// an interval counts as kept this close to it.
constexpr long long early = 5;

}  // namespace

TEST_CASE("on the real clock a timer ticks from the event loop and may close its window") {
  Session session;
  forms::setClock(nullptr);  // the real clock, as the program runs
  forms::Timer* timer = nullptr;
  forms::Timer* other = nullptr;
  TestForm form([&](TestForm& f) {
    timer = f.timer(10);
    other = f.timer(10);
  });
  form.show();
  int ticks = 0;
  int otherTicks = 0;
  timer->onTimer = [&] {
    if (++ticks == 3) {
      form.close();
      probe().leaveEventLoop();
    }
  };
  other->onTimer = [&] { ++otherTicks; };
  timer->setEnabled(true);
  CHECK(probe().runEventLoop([] {}, 5000) == 0);
  CHECK(ticks == 3);
  CHECK(otherTicks == 0);  // never enabled
  CHECK_FALSE(form.loaded());

  // Nothing of the closed window ticks any more.
  CHECK(probe().runEventLoop([] {}, 60) == -1);
  CHECK(ticks == 3);
}

TEST_CASE("on the real clock a disabled timer stops and re-enabling restarts its interval") {
  Session session;
  forms::setClock(nullptr);
  forms::Timer* timer = nullptr;
  TestForm form([&](TestForm& f) { timer = f.timer(40); });
  form.show();
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  std::vector<long long> at;
  timer->onTimer = [&] {
    at.push_back(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    if (at.size() == 1) {
      timer->setEnabled(false);
      timer->setEnabled(true);
    }
    if (at.size() == 2) probe().leaveEventLoop();
  };
  timer->setEnabled(true);
  probe().runEventLoop([] {}, 5000);
  REQUIRE(at.size() == 2);
  CHECK(at[0] >= 40 - early);
  CHECK(at[1] - at[0] >= 40 - early);
}

TEST_CASE("on the real clock a tick already due when its timer restarts is dropped") {
  Session session;
  forms::setClock(nullptr);
  forms::Timer* timer = nullptr;
  TestForm form([&](TestForm& f) { timer = f.timer(30); });
  form.show();
  using Clock = std::chrono::steady_clock;
  Clock::time_point restarted;
  std::vector<long long> sinceRestart;
  timer->onTimer = [&] {
    if (sinceRestart.empty() && restarted == Clock::time_point{}) {
      // Busy past the next deadline, so its tick is already on its way,
      // then a fresh start: the first tick after it is a whole interval on.
      const Clock::time_point until = Clock::now() + std::chrono::milliseconds(80);
      while (Clock::now() < until) {
      }
      timer->setEnabled(false);
      timer->setEnabled(true);
      restarted = Clock::now();
      return;
    }
    sinceRestart.push_back(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - restarted).count());
    timer->setEnabled(false);
  };
  timer->setEnabled(true);
  probe().runEventLoop([] {}, 300);
  REQUIRE(sinceRestart.size() == 1);
  // A tick let through would come at once, not near a whole interval on.
  CHECK(sinceRestart[0] >= 30 - early);
}
