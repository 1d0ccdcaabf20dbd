// The benchmark build keeps the time of every heat tick and, when a run's
// last piece stops, prints the run's tick periods (bench/benchmark_marks.h).
// In the shipped program these calls are empty and compiled away.
#pragma once

namespace velmora::heat_tick_log {

#if VELMORA_BENCHMARK
void runStarted(int pieces);
void ticked(int piece);
void pieceStopped(int piece);
#else
inline void runStarted(int) {}
inline void ticked(int) {}
inline void pieceStopped(int) {}
#endif

}  // namespace velmora::heat_tick_log
