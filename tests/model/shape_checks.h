// Checks shared by the shape tests: a piece's per-run values after a press,
// and the sweep that every press on a shape must pass.
#pragma once

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "front_runs.h"
#include "simulation/multi_front.h"

namespace velmora::testing {

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

inline void checkPiece(const MultiFront& front, int piece, const Expected& expected) {
  CAPTURE(piece);
  CHECK(front.arrays.sourceX[piece] == twips(expected.sourceX));
  CHECK(front.arrays.sourceY[piece] == twips(expected.sourceY));
  CHECK(front.arrays.entryDistance[piece] == twips(expected.entryDistance));
  CHECK(front.arrays.maxReach[piece] == twips(expected.maxReach));
}

// The direct mapping: the pressed point in the piece's coordinates, no
// entry distance, its farthest corner as the limit.
inline void checkDirect(const MultiFront& front, int piece, const std::vector<forms::Rect>& fields,
                        std::int16_t clicked, float x, float y) {
  CAPTURE(piece);
  const forms::Rect& own = fields[static_cast<std::size_t>(piece)];
  const forms::Rect& pressed = fields[static_cast<std::size_t>(clicked)];
  const double sx = static_cast<double>(pressed.left) + x - own.left;
  const double sy = static_cast<double>(pressed.top) + y - own.top;
  CHECK(front.arrays.sourceX[piece] == sx);
  CHECK(front.arrays.sourceY[piece] == sy);
  CHECK(front.arrays.entryDistance[piece] == 0);
  CHECK(front.arrays.maxReach[piece] == doctest::Approx(farthestCorner(sx, sy, own)));
}

inline bool isDirect(const MultiFront& front, int piece, const std::vector<forms::Rect>& fields,
                     std::int16_t clicked, float x, float y) {
  const forms::Rect& own = fields[static_cast<std::size_t>(piece)];
  const forms::Rect& pressed = fields[static_cast<std::size_t>(clicked)];
  return front.arrays.entryDistance[piece] == 0 &&
         front.arrays.sourceX[piece] == static_cast<double>(pressed.left) + x - own.left &&
         front.arrays.sourceY[piece] == static_cast<double>(pressed.top) + y - own.top;
}

// Every press on a fine grid over every piece, at every speed: every timer
// stops, draws nothing on its stopping tick and leaves its piece covered by
// its last disc; "もう一度" shows exactly once, when the finishing piece
// stops. Returns the largest limit plus margin met.
inline double sweepShape(const MultiShape& shape, const std::vector<forms::Rect>& fields,
                         int steps) {
  double largestLimit = 0;
  for (float speed : speeds) {
    for (std::int16_t clicked = 0; clicked < shape.pieceCount; ++clicked) {
      for (const forms::Point point : gridOver(fields[static_cast<std::size_t>(clicked)], steps)) {
        MultiFront front(shape);
        front.press(clicked, point.x, point.y, fields, speed);
        const PieceArrays atPress = front.arrays;
        const Run run = runMulti(front, speed);
        const int finishing = shape.finishingPiece[clicked];
        bool allCovered = true;
        bool allStopped = true;
        bool drewOnStop = false;
        bool shrank = false;
        for (int i = 0; i < shape.pieceCount; ++i) {
          const PieceRun& piece = run.pieces[static_cast<std::size_t>(i)];
          const forms::Rect& own = fields[static_cast<std::size_t>(i)];
          allStopped = allStopped && piece.stopTick > 0;
          drewOnStop = drewOnStop || piece.discsOnStopTick > 0;
          shrank = shrank || piece.radiusEverShrank;
          const double farthest = farthestCorner(atPress.sourceX[i], atPress.sourceY[i], own);
          allCovered = allCovered && piece.lastDisc && piece.lastDisc->radius >= farthest;
          largestLimit = std::max(largestLimit, atPress.maxReach[i] + 2 * speed);
        }
        if (allStopped && allCovered && !drewOnStop && !shrank && run.retryTicks.size() == 1 &&
            run.retryTicks[0] == run.pieces[static_cast<std::size_t>(finishing)].stopTick) {
          continue;
        }
        CAPTURE(speed);
        CAPTURE(clicked);
        CAPTURE(point.x);
        CAPTURE(point.y);
        CHECK(allStopped);
        CHECK(allCovered);
        CHECK_FALSE(drewOnStop);
        CHECK_FALSE(shrank);
        CHECK(run.retryTicks.size() == 1);
      }
    }
  }
  return largestLimit;
}

}  // namespace velmora::testing
