// forms::Timer: an interval and an enabled switch on the toolkit's clock.
#include "forms/clock.h"
#include "forms/controls.h"
#include "forms/handlers.h"
#include "forms/lifetime.h"

namespace forms {

namespace {

std::uint64_t nextTimerSerial() {
  static std::uint64_t serial = 0;
  return ++serial;
}

}  // namespace

Timer::Timer(int intervalMs)
    : interval_(intervalMs), serial_(nextTimerSerial()) {
  lifetime::timerCreated();
}

Timer::~Timer() {
  // A destroyed timer delivers no further tick, even one already due.
  clock().forget(*this);
  lifetime::timerDestroyed();
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    clock().start(*this);
  } else {
    clock().stop(*this);
  }
}

void Timer::fire() {
  if (!enabled_) return;
  raise(onTimer);
}

}  // namespace forms
