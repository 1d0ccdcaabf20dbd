// The real clock: the timers tick from the platform's event loop, and a
// tick may close its own window (the run ends with the window).
#include <doctest/doctest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "forms/clock.h"
#include "forms/testing.h"
#include "qt_probe.h"
#include "test_form.h"

using forms::testing::Session;
using formstest::TestForm;

TEST_CASE("on the real clock a timer ticks from the event loop and may close its window") {
  Session session;
  forms::setClock(nullptr);  // the real clock, as the program runs
  forms::Timer* timer = nullptr;
  forms::Timer* other = nullptr;
  TestForm form([&](TestForm& f) {
    timer = f.timer(10);
    other = f.timer(10);
  });
  form.Show();
  int ticks = 0;
  int otherTicks = 0;
  QEventLoop loop;
  timer->onTimer = [&] {
    if (++ticks == 3) {
      form.close();
      loop.quit();
    }
  };
  other->onTimer = [&] { ++otherTicks; };
  timer->setEnabled(true);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  guard.start(5000);
  loop.exec();
  CHECK(ticks == 3);
  CHECK(otherTicks == 0);  // never enabled
  CHECK_FALSE(form.loaded());

  // Nothing of the closed window ticks any more.
  QTimer wait;
  wait.setSingleShot(true);
  QObject::connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
  wait.start(60);
  loop.exec();
  CHECK(ticks == 3);
}

TEST_CASE("on the real clock a disabled timer stops and re-enabling restarts its interval") {
  Session session;
  forms::setClock(nullptr);
  forms::Timer* timer = nullptr;
  TestForm form([&](TestForm& f) { timer = f.timer(40); });
  form.Show();
  QElapsedTimer elapsed;
  std::vector<qint64> at;
  QEventLoop loop;
  timer->onTimer = [&] {
    at.push_back(elapsed.elapsed());
    if (at.size() == 1) {
      timer->setEnabled(false);
      timer->setEnabled(true);
    }
    if (at.size() == 2) loop.quit();
  };
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  guard.start(5000);
  elapsed.start();
  timer->setEnabled(true);
  loop.exec();
  REQUIRE(at.size() == 2);
  CHECK(at[0] >= 39);
  CHECK(at[1] - at[0] >= 39);
}
