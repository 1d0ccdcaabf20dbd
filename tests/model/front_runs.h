// Whole runs of a heat front on the model alone, as a window drives them:
// one press, then every running timer ticked once per 50 ms step, in index
// order, until all have stopped. Shared by the model tests of every shape.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"
#include "simulation/single_front.h"
#include "simulation/window_size.h"

namespace velmora::testing {

// What one piece showed during a run; ticks count from 1 after the press.
struct PieceRun {
  std::optional<int> fireTick;
  std::optional<int> firstDrawTick;
  int stopTick = 0;
  int discsOnStopTick = 0;
  std::optional<Disc> lastDisc;
  bool radiusEverShrank = false;
};

struct Run {
  std::vector<PieceRun> pieces;
  std::vector<int> retryTicks;  // every tick that showed "もう一度"

  // Each piece's stopping tick, in index order.
  std::vector<int> stopTicks() const {
    std::vector<int> ticks;
    for (const PieceRun& piece : pieces) ticks.push_back(piece.stopTick);
    return ticks;
  }
};

// Much longer than any real run: a front that never stops fails the test
// instead of hanging it.
constexpr int tickLimit = 100000;

inline void recordTick(PieceRun& piece, const FrontTick& shown, int tick) {
  if (shown.showMarker && !piece.fireTick) piece.fireTick = tick;
  if (shown.disc) {
    if (!piece.firstDrawTick) piece.firstDrawTick = tick;
    if (piece.lastDisc && shown.disc->radius < piece.lastDisc->radius) {
      piece.radiusEverShrank = true;
    }
    if (shown.stop) ++piece.discsOnStopTick;
    piece.lastDisc = shown.disc;
  }
  if (shown.stop) piece.stopTick = tick;
}

// A run of the rectangle plate or the rod; the front is left as the run
// left it.
inline Run runSingle(SingleFront& front, float speedFactor) {
  Run run;
  run.pieces.resize(1);
  for (int tick = 1; tick <= tickLimit; ++tick) {
    const FrontTick shown = front.tick(simulationOuterWidth, speedFactor);
    recordTick(run.pieces[0], shown, tick);
    if (shown.showRetry) run.retryTicks.push_back(tick);
    if (shown.stop) break;
  }
  return run;
}

// A run of a shape built from several pieces, from a press already made.
inline Run runMulti(MultiFront& front, float speedFactor) {
  const int count = front.shape.pieceCount;
  Run run;
  run.pieces.resize(static_cast<std::size_t>(count));
  std::vector<bool> running(static_cast<std::size_t>(count), true);
  int stillRunning = count;
  for (int tick = 1; tick <= tickLimit && stillRunning > 0; ++tick) {
    for (std::int16_t i = 0; i < count; ++i) {
      const auto piece = static_cast<std::size_t>(i);
      if (!running[piece]) continue;
      const FrontTick shown = front.tick(i, simulationOuterWidth, speedFactor);
      recordTick(run.pieces[piece], shown, tick);
      if (shown.showRetry) run.retryTicks.push_back(tick);
      if (shown.stop) {
        running[piece] = false;
        --stillRunning;
      }
    }
  }
  return run;
}

// The corner of a rectangle (its own coordinates) farthest from a point:
// a disc that reaches it covers the whole rectangle.
inline double farthestCorner(double x, double y, const forms::Rect& piece) {
  const double dx = std::fmax(std::fabs(x), std::fabs(x - piece.width));
  const double dy = std::fmax(std::fabs(y), std::fabs(y - piece.height));
  return std::sqrt(dx * dx + dy * dy);
}

// Points across a piece, edges included: `steps` + 1 per side.
inline std::vector<forms::Point> gridOver(const forms::Rect& piece, int steps) {
  std::vector<forms::Point> points;
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      points.push_back({piece.width * static_cast<float>(i) / static_cast<float>(steps),
                        piece.height * static_cast<float>(j) / static_cast<float>(steps)});
    }
  }
  return points;
}

constexpr float slow = 20;
constexpr float normal = 50;
constexpr float fast = 100;
constexpr float speeds[] = {slow, normal, fast};

}  // namespace velmora::testing
