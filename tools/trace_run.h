// One run of a window's heat front on the model alone: a press, then every
// running timer ticked once per 50 ms step, in index order, until all stop.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/trace_windows.h"

namespace velmora::trace {

// What one piece did during the run; ticks count from 1, the first tick
// after the press.
struct PieceTrace {
  double sourceX = 0;
  double sourceY = 0;
  double entryDistance = 0;
  double maxReach = 0;
  std::optional<int> fireTick;       // its marker first made visible
  std::optional<int> firstDrawTick;  // its first disc
  int stopTick = 0;                  // its timer stopped
  std::optional<float> lastRadius;   // as passed to the drawing call
};

struct Trace {
  std::optional<int> retryTick;  // "もう一度" shown
  std::vector<PieceTrace> pieces;
};

// The press is in piece `piece`'s own coordinates; the speed stays the same
// for the whole run.
Trace traceRun(const TraceWindow& window, std::int16_t piece, float x, float y, float speedFactor);

}  // namespace velmora::trace
