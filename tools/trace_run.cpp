#include "tools/trace_run.h"

#include <stdexcept>

#include "simulation/multi_front.h"
#include "simulation/single_front.h"
#include "simulation/window_size.h"

namespace velmora::trace {

namespace {

// Far beyond the longest run any shape can make (a few hundred ticks at the
// slowest speed): a model that never stops is reported, not waited for.
constexpr int tickLimit = 1'000'000;

void record(PieceTrace& piece, const FrontTick& shown, int tick) {
  if (shown.showMarker && !piece.fireTick) piece.fireTick = tick;
  if (shown.disc) {
    if (!piece.firstDrawTick) piece.firstDrawTick = tick;
    piece.lastRadius = shown.disc->radius;
  }
  if (shown.stop) piece.stopTick = tick;
}

Trace traceSingle(const SinglePieceWindow& window, float x, float y, float speedFactor) {
  SingleFront front(window.stepConstant);
  front.press(x, y, window.field->width, window.field->height);
  Trace trace;
  trace.pieces.resize(1);
  PieceTrace& piece = trace.pieces[0];
  piece.sourceX = front.sourceX;
  piece.sourceY = front.sourceY;
  piece.maxReach = front.maxReach;
  for (int tick = 1; tick <= tickLimit; ++tick) {
    const FrontTick shown = front.tick(simulationOuterWidth, speedFactor);
    record(piece, shown, tick);
    if (shown.showRetry) trace.retryTick = tick;
    if (shown.stop) return trace;
  }
  throw std::runtime_error("the heat front never stopped");
}

Trace traceMulti(const MultiPieceWindow& window, std::int16_t clicked, float x, float y,
                 float speedFactor) {
  MultiFront front(*window.shape);
  front.press(clicked, x, y, *window.fields, speedFactor);
  const int count = window.shape->pieceCount;
  Trace trace;
  trace.pieces.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    PieceTrace& piece = trace.pieces[static_cast<std::size_t>(i)];
    piece.sourceX = front.arrays.sourceX[i];
    piece.sourceY = front.arrays.sourceY[i];
    piece.entryDistance = front.arrays.entryDistance[i];
    piece.maxReach = front.arrays.maxReach[i];
  }
  std::vector<bool> running(static_cast<std::size_t>(count), true);
  int stillRunning = count;
  for (int tick = 1; tick <= tickLimit; ++tick) {
    for (std::int16_t i = 0; i < count; ++i) {
      if (!running[static_cast<std::size_t>(i)]) continue;
      const FrontTick shown = front.tick(i, simulationOuterWidth, speedFactor);
      record(trace.pieces[static_cast<std::size_t>(i)], shown, tick);
      if (shown.showRetry) trace.retryTick = tick;
      if (shown.stop) {
        running[static_cast<std::size_t>(i)] = false;
        --stillRunning;
      }
    }
    if (stillRunning == 0) return trace;
  }
  throw std::runtime_error("a piece's heat front never stopped");
}

}  // namespace

Trace traceRun(const TraceWindow& window, std::int16_t piece, float x, float y, float speedFactor) {
  if (const auto* single = std::get_if<SinglePieceWindow>(&window.model)) {
    return traceSingle(*single, x, y, speedFactor);
  }
  return traceMulti(std::get<MultiPieceWindow>(window.model), piece, x, y, speedFactor);
}

}  // namespace velmora::trace
