// The virtual clock must tick exactly as the rules say, or every heating
// run in the window tests would count its ticks wrong.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::Timer;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// Two timers of a window, 50 ms each unless a test sets them up otherwise.
struct TwoTimers {
  Timer* a = nullptr;
  Timer* b = nullptr;
  TestForm form{[this](TestForm& f) {
    a = f.timer(50);
    b = f.timer(50);
  }};
};

}  // namespace

TEST_CASE("a timer first ticks one interval after it is enabled, then every interval") {
  Session session;
  TwoTimers w;
  w.form.show();
  std::vector<std::int64_t> ticks;
  w.a->onTimer = [&] { ticks.push_back(session.now()); };

  session.advance(30);
  w.a->setEnabled(true);  // at 30 ms
  session.advance(49);
  CHECK(ticks.empty());
  session.advance(1);
  CHECK(ticks == std::vector<std::int64_t>{80});

  SUBCASE("one long advance fires every tick due, the last one exactly at the new time") {
    session.advance(200);  // to 280: ticks at 130, 180, 230, 280
    CHECK(ticks == std::vector<std::int64_t>{80, 130, 180, 230, 280});
    CHECK(session.now() == 280);
  }
  SUBCASE("a 900-tick run counts exactly") {
    session.advance(900 * 50 - 1);
    CHECK(ticks.size() == 900);
  }
}

TEST_CASE("timers due at the same moment tick in creation order, earlier moments first") {
  Session session;
  std::vector<std::string> order;
  Timer* fast = nullptr;
  Timer* first = nullptr;
  Timer* second = nullptr;
  TestForm form([&](TestForm& f) {
    first = f.timer(50);
    second = f.timer(50);
    fast = f.timer(20);
  });
  form.show();
  first->onTimer = [&] { order.push_back("first@" + std::to_string(session.now())); };
  second->onTimer = [&] { order.push_back("second@" + std::to_string(session.now())); };
  fast->onTimer = [&] { order.push_back("fast@" + std::to_string(session.now())); };
  // Enabled in reverse: creation order decides, not the order of enabling.
  fast->setEnabled(true);
  second->setEnabled(true);
  first->setEnabled(true);
  session.advance(100);
  CHECK(order == std::vector<std::string>{"fast@20", "fast@40", "first@50", "second@50", "fast@60",
                                          "fast@80", "first@100", "second@100", "fast@100"});
}

TEST_CASE("enabling an enabled timer changes nothing; disabling then enabling restarts it") {
  Session session;
  TwoTimers w;
  w.form.show();
  std::vector<std::int64_t> ticks;
  w.a->onTimer = [&] { ticks.push_back(session.now()); };
  w.a->setEnabled(true);
  session.advance(30);

  SUBCASE("enabled again") {
    w.a->setEnabled(true);
    session.advance(20);
    CHECK(ticks == std::vector<std::int64_t>{50});
  }
  SUBCASE("disabled and enabled again") {
    w.a->setEnabled(false);
    w.a->setEnabled(true);
    session.advance(20);
    CHECK(ticks.empty());
    session.advance(30);
    CHECK(ticks == std::vector<std::int64_t>{80});
  }
  SUBCASE("disabled, time passes, enabled") {
    w.a->setEnabled(false);
    session.advance(500);
    CHECK(ticks.empty());
    w.a->setEnabled(true);
    session.advance(50);
    CHECK(ticks == std::vector<std::int64_t>{580});
  }
}

TEST_CASE("a timer stopped or destroyed by another timer's tick never ticks again") {
  Session session;
  TwoTimers w;
  w.form.show();
  int bTicks = 0;
  w.b->onTimer = [&] { ++bTicks; };
  w.a->setEnabled(true);
  w.b->setEnabled(true);

  SUBCASE("disabled at the same moment it was due") {
    w.a->onTimer = [&] { w.b->setEnabled(false); };
    session.advance(500);
    CHECK(bTicks == 0);
    CHECK_FALSE(w.b->enabled());
  }
  SUBCASE("destroyed with its form at the moment it was due") {
    int aTicks = 0;
    w.a->onTimer = [&] {
      ++aTicks;
      w.form.close();
    };
    session.advance(500);
    CHECK(aTicks == 1);
    CHECK(bTicks == 0);
    CHECK(w.form.ownedTimerCount() == 0);
  }
  SUBCASE("a timer that stops itself ticks once") {
    w.b->onTimer = [&] {
      ++bTicks;
      w.b->setEnabled(false);
    };
    session.advance(500);
    CHECK(bTicks == 1);
  }
}

TEST_CASE("a timer restarted inside its own tick counts its interval from that tick") {
  Session session;
  TwoTimers w;
  w.form.show();
  std::vector<std::int64_t> ticks;
  w.a->onTimer = [&] {
    ticks.push_back(session.now());
    w.a->setEnabled(false);
    if (ticks.size() < 3) w.a->setEnabled(true);
  };
  w.a->setEnabled(true);
  session.advance(1000);
  CHECK(ticks == std::vector<std::int64_t>{50, 100, 150});
}

TEST_CASE("a timer closed with its window delivers nothing when the window opens again") {
  Session session;
  TwoTimers w;
  int ticks = 0;
  w.form.show();
  w.a->onTimer = [&] { ++ticks; };
  w.a->setEnabled(true);
  session.advance(100);
  CHECK(ticks == 2);
  w.form.close();
  w.form.show();
  // Fresh timers from the layout: disabled, no handler.
  CHECK_FALSE(w.a->enabled());
  session.advance(1000);
  CHECK(ticks == 2);
}
