// What the model tests of every shape share: a press on a shape, the worked
// values of a piece, whether a press sent a piece round a corner, and the
// sweep that every press on a shape must pass.
#pragma once

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "app/metal_on_window.h"
#include "heat/heat_run.h"

namespace velmora::testing {

using heat::HeatRun;
using heat::HeatTick;
using heat::PieceRecord;
using heat::RunRecord;

constexpr float slow = 20;
constexpr float normal = 50;
constexpr float fast = 100;
constexpr float speeds[] = {slow, normal, fast};

inline std::size_t at(int i) { return static_cast<std::size_t>(i); }

// An accepted press on `piece` at (x, y), in that piece's coordinates.
inline HeatRun pressed(const heat::Shape& shape, int piece, float x, float y,
                       float speed = normal) {
  HeatRun run(shape, simulationSurroundings);
  REQUIRE(run.press(piece, x, y, speed));
  return run;
}

// A shape's pieces, to change a size for a test.
inline std::vector<heat::Rect> piecesOf(const heat::Shape& shape) {
  return {shape.pieces.begin(), shape.pieces.end()};
}

// The same shape, its rules and growth, on other pieces (which must outlive it).
inline heat::Shape onPieces(const heat::Shape& shape, const std::vector<heat::Rect>& pieces) {
  return heat::Shape{shape.name, pieces, shape.growth, shape.onPress};
}

// The corner of a rectangle (its own coordinates) farthest from a point:
// a disc that reaches it covers the whole rectangle.
inline double farthestCorner(double x, double y, const heat::Rect& piece) {
  const double dx = std::fmax(std::fabs(x), std::fabs(x - piece.width));
  const double dy = std::fmax(std::fabs(y), std::fabs(y - piece.height));
  return std::sqrt(dx * dx + dy * dy);
}

// Points across a piece, edges included: `steps` + 1 per side.
inline std::vector<heat::Point> gridOver(const heat::Rect& piece, int steps) {
  std::vector<heat::Point> points;
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      points.push_back({piece.width * static_cast<float>(i) / static_cast<float>(steps),
                        piece.height * static_cast<float>(j) / static_cast<float>(steps)});
    }
  }
  return points;
}

// The radius after each of a run's first ticks, all at one speed.
inline std::vector<double> firstRadii(HeatRun run, float speed, int ticks) {
  std::vector<double> radii;
  for (int i = 0; i < ticks; ++i) {
    run.tick(0, speed);
    radii.push_back(run.pieces[0].frontRadius);
  }
  return radii;
}

inline void checkRadii(const std::vector<double>& radii, const std::vector<double>& known) {
  REQUIRE(radii.size() == known.size());
  for (std::size_t i = 0; i < known.size(); ++i) {
    CAPTURE(i);
    CHECK(std::fabs(radii[i] - known[i]) <= 0.005);
  }
}

// A first step at `speed` that lands exactly on half the marker's size
// draws, but keeps the marker hidden; the next step shows it.
inline void checkMarkerHiddenAtItsHalf(HeatRun run, int piece, float speed) {
  const HeatTick first = run.tick(piece, speed);
  REQUIRE(run.pieces[at(piece)].frontRadius == simulationSurroundings.markerSize / 2);
  CHECK_FALSE(first.showMarker);
  CHECK(first.disc.has_value());
  CHECK(run.tick(piece, speed).showMarker);
}

// A piece whose limit plus the two steps' margin equals its tenth radius
// still draws on that tick; a limit a twip lower stops it there, a twip
// higher lets it go on (`run` freshly pressed, at normal speed).
inline void checkStopJustPastLimit(const HeatRun& run, int piece) {
  HeatRun probe = run;
  for (int tick = 0; tick < 10; ++tick) probe.tick(piece, normal);
  const double radiusAtTen = probe.pieces[at(piece)].frontRadius;
  for (double limitShift : {0.0, -1.0, 1.0}) {
    CAPTURE(limitShift);
    HeatRun front = run;
    front.pieces[at(piece)].maxReach = radiusAtTen - 2 * normal + limitShift;
    for (int tick = 1; tick < 10; ++tick) front.tick(piece, normal);
    const HeatTick tenth = front.tick(piece, normal);
    REQUIRE(front.pieces[at(piece)].frontRadius == radiusAtTen);
    CHECK(tenth.stop == (limitShift < 0));
    CHECK(tenth.disc.has_value() == (limitShift >= 0));
  }
}

// A length in twips as the worked numbers give it, to two decimals (or to
// the tolerance given).
inline doctest::Approx twips(double value, double tolerance = 0.005) {
  return doctest::Approx(value).scale(1).epsilon(tolerance / (1 + std::fabs(value)));
}

// A piece's values after a worked press, to two decimals.
struct Expected {
  double sourceX;
  double sourceY;
  double entryDistance;
  double maxReach;
};

inline void checkPiece(const HeatRun& run, int piece, const Expected& expected) {
  CAPTURE(piece);
  const heat::PieceState& state = run.pieces[at(piece)];
  CHECK(state.sourceX == twips(expected.sourceX));
  CHECK(state.sourceY == twips(expected.sourceY));
  CHECK(state.entryDistance == twips(expected.entryDistance));
  CHECK(state.maxReach == twips(expected.maxReach));
}

// True when the piece kept the direct mapping of the press: its discs
// centred on the pressed point, no path to run first, covered at its
// farthest corner. The press is read back from the pressed piece.
inline bool isDirect(const HeatRun& run, int piece) {
  const auto& rects = run.shape().pieces;
  const heat::Rect& clicked = rects[at(run.clickedPiece())];
  const heat::Point press = run.pieces[at(run.clickedPiece())].pressedPoint;
  const heat::Rect& own = rects[at(piece)];
  const double x = double{clicked.left} + press.x - own.left;
  const double y = double{clicked.top} + press.y - own.top;
  const heat::PieceState& state = run.pieces[at(piece)];
  constexpr double close = 1e-3;  // single-precision sums of twip positions
  return state.entryDistance == 0 && std::abs(state.sourceX - x) < close &&
         std::abs(state.sourceY - y) < close &&
         std::abs(state.maxReach - farthestCorner(x, y, own)) < close;
}

inline bool relays(const HeatRun& run, int piece) { return !isDirect(run, piece); }

inline void checkDirect(const HeatRun& run, int piece) {
  CAPTURE(piece);
  CHECK(isDirect(run, piece));
}

// The pieces other than the pressed one that a press sent round a corner.
inline std::set<int> relayedPieces(const HeatRun& run) {
  std::set<int> relayed;
  for (int i = 0; i < run.pieceCount(); ++i) {
    if (i != run.clickedPiece() && relays(run, i)) relayed.insert(i);
  }
  return relayed;
}

// Every press on a 16-step grid over every piece relays at least the pieces
// `always` lists for that pressed piece, and none beyond those `always` and
// `sometimes` (reached round a corner only from far enough) list together.
inline void checkRelaysOnGrid(const heat::Shape& shape, const std::vector<std::set<int>>& always,
                              const std::vector<std::set<int>>& sometimes) {
  REQUIRE(always.size() == shape.pieces.size());
  REQUIRE(sometimes.size() == shape.pieces.size());
  for (int c = 0; c < static_cast<int>(shape.pieces.size()); ++c) {
    std::set<int> allowed = always[at(c)];
    allowed.insert(sometimes[at(c)].begin(), sometimes[at(c)].end());
    for (const heat::Point p : gridOver(shape.pieces[at(c)], 16)) {
      CAPTURE(c);
      CAPTURE(p.x);
      CAPTURE(p.y);
      const std::set<int> relayed = relayedPieces(pressed(shape, c, p.x, p.y));
      CHECK(std::includes(relayed.begin(), relayed.end(), always[at(c)].begin(),
                          always[at(c)].end()));
      CHECK(std::includes(allowed.begin(), allowed.end(), relayed.begin(), relayed.end()));
    }
  }
}

// Every press on a fine grid over every piece, at every speed: every timer
// stops, draws nothing on its stopping tick and leaves its piece covered by
// its last disc; "もう一度" shows exactly once, when the finishing piece
// stops. Returns the largest limit plus margin met.
inline double sweepShape(const heat::Shape& shape, int steps) {
  double largestLimit = 0;
  for (float speed : speeds) {
    for (int clicked = 0; clicked < static_cast<int>(shape.pieces.size()); ++clicked) {
      for (const heat::Point point : gridOver(shape.pieces[at(clicked)], steps)) {
        HeatRun run = pressed(shape, clicked, point.x, point.y, speed);
        const RunRecord record = heat::runToEnd(run, speed);
        const int finishing = shape.onPress[at(clicked)].finishingPiece;
        bool allCovered = true;
        bool drewOnStop = false;
        bool shrank = false;
        for (std::size_t i = 0; i < record.pieces.size(); ++i) {
          const PieceRecord& piece = record.pieces[i];
          drewOnStop = drewOnStop || piece.drewOnStop;
          shrank = shrank || piece.discShrank;
          const double farthest =
              farthestCorner(piece.atPress.sourceX, piece.atPress.sourceY, shape.pieces[i]);
          allCovered = allCovered && piece.lastDisc && piece.lastDisc->radius >= farthest;
          largestLimit = std::max(largestLimit, piece.atPress.maxReach + 2 * speed);
        }
        const std::vector<int> finished{record.pieces[at(finishing)].stopTick};
        if (allCovered && !drewOnStop && !shrank && record.retryTicks == finished) continue;
        CAPTURE(speed);
        CAPTURE(clicked);
        CAPTURE(point.x);
        CAPTURE(point.y);
        CHECK(allCovered);
        CHECK_FALSE(drewOnStop);
        CHECK_FALSE(shrank);
        CHECK(record.retryTicks == finished);
      }
    }
  }
  return largestLimit;
}

}  // namespace velmora::testing
