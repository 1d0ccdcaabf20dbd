// Measures the periods between a 50 ms toolkit timer's ticks on the
// backend it is linked with (the Windows one: its steady clock is the
// performance counter), and prints their mean, 99th
// percentile and worst. A measurement, not a test: the figures depend on
// the machine and its load.
//   tick-periods.exe [TICKS]   (default 400 ticks, 20 s)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/benchmark_marks.h"
#include "forms/backend.h"
#include "forms/controls.h"

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 400;
  forms::Backend& backend = *forms::platformBackend();
  forms::setBackend(&backend);
  backend.start(false);

  using Clock = std::chrono::steady_clock;
  std::vector<Clock::time_point> times;
  times.reserve(static_cast<std::size_t>(ticks) + 1);
  forms::Timer timer(50);
  timer.onTimer = [&] {
    times.push_back(Clock::now());
    if (times.size() > static_cast<std::size_t>(ticks)) {
      timer.setEnabled(false);
      backend.quitEventLoop(0);
    }
  };
  timer.setEnabled(true);
  backend.runEventLoop();

  const auto ms = [](Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  };
  std::vector<double> periods;
  for (std::size_t i = 1; i < times.size(); ++i) periods.push_back(ms(times[i] - times[i - 1]));
  if (periods.empty()) return 1;
  const bench::PeriodSummary summary = bench::summarise(periods);
  std::printf(
      "tick periods of a 50 ms timer over %zu ticks: mean %.3f ms, p99 %.3f ms, "
      "worst %.3f ms, shortest %.3f ms\n",
      periods.size(), summary.mean, summary.p99, summary.worst, summary.shortest);
  return 0;
}
