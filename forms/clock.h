// The clock the timers run on. The real clock hands each timer to the
// backend's own timers; tests install a virtual clock and advance it, so a
// 900-tick heating run takes milliseconds and every tick count is exact.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace forms {

class Timer;
class TimerPeer;

class Clock {
 public:
  virtual ~Clock() = default;
  // The timer was enabled: its first tick falls one interval from now.
  virtual void start(Timer& timer) = 0;
  // The timer was disabled: no further tick.
  virtual void stop(Timer& timer) = 0;
  // The timer is being destroyed.
  virtual void forget(Timer& timer) = 0;
  // The program ended: no timer ticks any more.
  virtual void stopAll() = 0;
};

// Drives each enabled timer from a backend timer (a TimerPeer); with no
// backend, timers keep their state only and never tick.
class RealClock : public Clock {
 public:
  ~RealClock() override;
  void start(Timer& timer) override;
  void stop(Timer& timer) override;
  void forget(Timer& timer) override;
  void stopAll() override;

 private:
  std::map<const Timer*, std::unique_ptr<TimerPeer>> peers_;
};

// Time moves only when a test advances it.
class VirtualClock : public Clock {
 public:
  void start(Timer& timer) override;
  void stop(Timer& timer) override;
  void forget(Timer& timer) override;
  void stopAll() override;

  // Fires, in time order, every tick due up to and including now + ms;
  // ticks due at the same moment fire in the timers' creation order.
  void advance(std::int64_t ms);
  std::int64_t now() const { return now_; }

 private:
  struct Due {
    Timer* timer;
    std::int64_t at;
  };
  std::int64_t now_ = 0;
  std::vector<Due> schedule_;  // one entry per enabled timer
};

// The clock in use; by default a real clock.
Clock& clock();
// Installs a clock (null restores the default real clock).
void setClock(Clock* clock);

}  // namespace forms
