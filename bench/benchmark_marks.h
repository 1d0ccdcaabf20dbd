// A line on standard output saying when something happened, for the
// benchmark script to read: "velmora-benchmark <what> <steady clock in ns>
// [details]". Only the benchmark build (VELMORA_BENCHMARK) prints them; the
// shipped program has none of this compiled in.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

inline long long steadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

inline void mark(const char* what, const char* details = "") {
  std::printf("velmora-benchmark %s %lld %s\n", what, steadyNanoseconds(), details);
  std::fflush(stdout);
}

// The periods between a timer's ticks, in milliseconds, summed up.
struct PeriodSummary {
  double mean = 0, p99 = 0, worst = 0, shortest = 0;
};

inline PeriodSummary summarise(std::vector<double> periods) {
  if (periods.empty()) return {};
  std::sort(periods.begin(), periods.end());
  double sum = 0;
  for (double period : periods) sum += period;
  const std::size_t p99 = std::min(periods.size() - 1, periods.size() * 99 / 100);
  return {sum / static_cast<double>(periods.size()), periods[p99], periods.back(), periods.front()};
}

}  // namespace bench
