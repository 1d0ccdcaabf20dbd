// A line on standard output saying when something happened, for the
// benchmark script to read: "velmora-benchmark <what> <steady clock in ns>
// [details]". Only the benchmark build (VELMORA_BENCHMARK) prints them; the
// shipped program has none of this compiled in.
#pragma once

#include <chrono>
#include <cstdio>

namespace forms::benchmark {

inline long long steadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

inline void mark(const char* what, const char* details = "") {
  std::printf("velmora-benchmark %s %lld %s\n", what, steadyNanoseconds(), details);
  std::fflush(stdout);
}

}  // namespace forms::benchmark
