// The real and the virtual clock behind forms::Timer.
#include "forms/clock.h"

#include <algorithm>

#include "forms/backend.h"
#include "forms/controls.h"

namespace forms {

namespace {

Clock*& installedClock() {
  static Clock* installed = nullptr;
  return installed;
}

}  // namespace

Clock& clock() {
  static RealClock realClock;
  Clock* installed = installedClock();
  return installed ? *installed : realClock;
}

void setClock(Clock* clock) { installedClock() = clock; }

RealClock::~RealClock() = default;

void RealClock::start(Timer& timer) {
  Backend* b = backend();
  if (!b || timer.interval() <= 0) return;
  auto& peer = peers_[&timer];
  if (!peer) peer = b->createTimer(timer);
  if (peer) peer->start(timer.interval());
}

void RealClock::stop(Timer& timer) {
  auto found = peers_.find(&timer);
  if (found != peers_.end() && found->second) found->second->stop();
}

void RealClock::forget(Timer& timer) { peers_.erase(&timer); }

void RealClock::stopAll() {
  for (auto& entry : peers_) {
    if (entry.second) entry.second->stop();
  }
}

void VirtualClock::start(Timer& timer) {
  stop(timer);
  // A timer without an interval never ticks (it would tick forever at once).
  if (timer.interval() <= 0) return;
  schedule_.push_back({&timer, now_ + timer.interval()});
}

void VirtualClock::stop(Timer& timer) {
  schedule_.erase(std::remove_if(schedule_.begin(), schedule_.end(),
                                 [&](const Due& due) { return due.timer == &timer; }),
                  schedule_.end());
}

void VirtualClock::forget(Timer& timer) { stop(timer); }

void VirtualClock::stopAll() { schedule_.clear(); }

void VirtualClock::advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
  for (;;) {
    // The schedule is searched afresh before every tick: a handler may have
    // disabled, enabled or destroyed any timer, its own included.
    auto next = schedule_.end();
    for (auto it = schedule_.begin(); it != schedule_.end(); ++it) {
      if (it->at > target) continue;
      if (next == schedule_.end() || it->at < next->at ||
          (it->at == next->at && it->timer->serial() < next->timer->serial())) {
        next = it;
      }
    }
    if (next == schedule_.end()) break;
    now_ = next->at;
    Timer* timer = next->timer;
    next->at += timer->interval();
    timer->fire();
  }
  now_ = target;
}

}  // namespace forms
