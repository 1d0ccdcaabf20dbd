// Tick periods of one heat run: each piece's timer is measured against its
// own previous tick, all pieces pooled. The drift check compares the first
// half of the run with the second: a timer that falls behind shows a longer
// second half.
#include "app/heat_tick_log.h"

#include <algorithm>
#include <string>
#include <vector>

#include "bench/benchmark_marks.h"

namespace velmora::heat_tick_log {

namespace {

struct PieceTicks {
  std::vector<long long> times;  // ns
  bool running = false;
};

std::vector<PieceTicks> pieces;

double milliseconds(long long ns) { return static_cast<double>(ns) / 1e6; }

void printRun() {
  std::vector<double> periods, firstHalf, secondHalf;
  std::size_t longest = 0;  // the ticks of the piece that heated longest
  for (const PieceTicks& piece : pieces) {
    const std::size_t n = piece.times.size();
    longest = std::max(longest, n);
    for (std::size_t i = 1; i < n; ++i) {
      const double period = milliseconds(piece.times[i] - piece.times[i - 1]);
      periods.push_back(period);
      (i <= n / 2 ? firstHalf : secondHalf).push_back(period);
    }
  }
  using bench::summarise;
  const bench::PeriodSummary all = summarise(periods);
  const std::string details =
      "ticks=" + std::to_string(longest) + " periods=" + std::to_string(periods.size()) +
      " mean=" + std::to_string(all.mean) + " p99=" + std::to_string(all.p99) +
      " worst=" + std::to_string(all.worst) +
      " first-half-mean=" + std::to_string(summarise(firstHalf).mean) +
      " second-half-mean=" + std::to_string(summarise(secondHalf).mean);
  bench::mark("run-ended", details.c_str());
}

}  // namespace

void runStarted(int count) {
  pieces.assign(static_cast<std::size_t>(count), PieceTicks{{}, true});
  bench::mark("run-started");
}

void ticked(int piece) {
  if (piece < 0 || static_cast<std::size_t>(piece) >= pieces.size()) return;
  pieces[static_cast<std::size_t>(piece)].times.push_back(bench::steadyNanoseconds());
}

void pieceStopped(int piece) {
  if (piece < 0 || static_cast<std::size_t>(piece) >= pieces.size()) return;
  pieces[static_cast<std::size_t>(piece)].running = false;
  if (std::none_of(pieces.begin(), pieces.end(), [](const PieceTicks& p) { return p.running; })) {
    printRun();
    pieces.clear();
  }
}

}  // namespace velmora::heat_tick_log
