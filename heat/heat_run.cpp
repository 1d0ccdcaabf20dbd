#include "heat/heat_run.h"

#include <cmath>

#include "heat/press.h"

namespace velmora::heat {

namespace {

// Far beyond the longest run any shape makes (under a thousand ticks).
constexpr int tickLimit = 1'000'000;

// What a piece shows at its new radius, compared at the width it grew in.
template <class Wide>
HeatTick shown(const PieceState& piece, Wide radius, Wide speed, float markerHalf,
               bool finishesRun) {
  HeatTick tick;
  // The marker inside the metal appears once the front is larger than it,
  // so it never hides the smallest fronts.
  tick.showMarker = radius > markerHalf;
  // Two steps' margin past the limit: the last disc drawn surely covers the
  // piece. The stopping tick draws nothing.
  if (radius > piece.maxReach + 2 * speed) {
    tick.stop = true;
    tick.showRetry = finishesRun;
    return tick;
  }
  // A piece reached around a corner stays cold until the front has run the
  // path to its entry point; then its disc grows from there.
  const Wide beyondEntry = radius - piece.entryDistance;
  if (beyondEntry > 0) {
    tick.disc = Disc{static_cast<float>(piece.sourceX), static_cast<float>(piece.sourceY),
                     static_cast<float>(beyondEntry)};
  }
  return tick;
}

}  // namespace

double farthestCornerDistance(float x, float y, const Rect& piece) {
  // Corners in a fixed order; a later one wins only when strictly farther.
  const double w = piece.width;
  const double h = piece.height;
  double farthest = straight(x, y);
  for (const double d : {straight(x, y - h), straight(x - w, y), straight(x - w, y - h)}) {
    if (d > farthest) farthest = d;
  }
  return farthest;
}

HeatRun::HeatRun(const Shape& shape, Surroundings surroundings)
    : pieces(shape.pieces.size()), shape_(&shape), surroundings_(surroundings) {}

bool HeatRun::press(int piece, float x, float y, float speedFactor) {
  if (running_) return false;
  if (piece < 0 || piece >= pieceCount()) throw std::out_of_range("no such piece");
  const Rect& pressed = shape_->pieces[static_cast<std::size_t>(piece)];
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Rect& own = shape_->pieces[i];
    // On metal of several pieces the point goes through window coordinates
    // for every piece, the pressed one too, summed in single precision like
    // the control positions it comes from. On one piece it is taken as it is.
    const Point at = pieces.size() == 1
                         ? Point{x, y}
                         : Point{pressed.left + x - own.left, pressed.top + y - own.top};
    pieces[i] = PieceState{at.x, at.y, 0, farthestCornerDistance(at.x, at.y, own), 0, at};
  }
  const PressRule& rule = shape_->onPress[static_cast<std::size_t>(piece)];
  if (rule.relays) {
    Press accepted(*shape_, pieces, x, y, speedFactor);
    rule.relays(accepted);
  }
  clickedPiece_ = piece;
  running_ = true;
  return true;
}

HeatTick HeatRun::tick(int piece, float speedFactor) {
  PieceState& state = pieces.at(static_cast<std::size_t>(piece));
  const Growth& growth = shape_->growth;
  const float outerWidth = surroundings_.outerWidth;
  const float markerHalf = surroundings_.markerSize / 2;
  const bool finishes =
      piece == shape_->onPress[static_cast<std::size_t>(clickedPiece_)].finishingPiece;
  if (growth.singleRadius) {
    const long double r = state.frontRadius;
    const long double speed = speedFactor;
    state.frontRadius =
        static_cast<float>(r + speed * (growth.stepConstant - growth.slowdown * r / outerWidth));
    return shown<long double>(state, state.frontRadius, speed, markerHalf, finishes);
  }
  const double speed = speedFactor;
  state.frontRadius =
      state.frontRadius +
      speed * (growth.stepConstant - growth.slowdown * state.frontRadius / outerWidth);
  return shown<double>(state, state.frontRadius, speed, markerHalf, finishes);
}

std::vector<int> RunRecord::stopTicks() const {
  std::vector<int> ticks;
  for (const PieceRecord& piece : pieces) ticks.push_back(piece.stopTick);
  return ticks;
}

RunRecord runToEnd(HeatRun& run, float speedFactor) {
  RunRecord record;
  for (const PieceState& piece : run.pieces) record.pieces.push_back(PieceRecord{.atPress = piece});
  int stillHeating = run.pieceCount();
  for (int tick = 1; tick <= tickLimit; ++tick) {
    for (int i = 0; i < run.pieceCount(); ++i) {
      PieceRecord& piece = record.pieces[static_cast<std::size_t>(i)];
      if (piece.stopTick) continue;
      const HeatTick shown = run.tick(i, speedFactor);
      if (shown.showMarker && !piece.fireTick) piece.fireTick = tick;
      if (shown.disc) {
        if (!piece.firstDrawTick) piece.firstDrawTick = tick;
        if (piece.lastDisc && shown.disc->radius < piece.lastDisc->radius) piece.discShrank = true;
        piece.drewOnStop = piece.drewOnStop || shown.stop;
        piece.lastDisc = shown.disc;
      }
      if (shown.showRetry) record.retryTicks.push_back(tick);
      if (shown.stop) {
        piece.stopTick = tick;
        --stillHeating;
      }
    }
    if (stillHeating == 0) return record;
  }
  throw std::runtime_error("a heat front never stopped");
}

}  // namespace velmora::heat
