// Checks for the corner rules of the H-shaped plate and the spiral: a press
// on a shape's model, the worked per-piece values to two decimals, and which
// pieces a press sent round a corner. Whole runs come from front_runs.h.
#pragma once

#include <doctest/doctest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"
#include "tests/model/front_runs.h"

namespace velmora::relay_checks {

inline std::size_t at(int i) { return static_cast<std::size_t>(i); }

// A press on `piece` at (x, y) with the speed `speed`, as the window hands it
// to the model.
inline MultiFront pressed(const MultiShape& shape, const std::vector<forms::Rect>& fields,
                          int piece, float x, float y, float speed = 50) {
  MultiFront front(shape);
  front.press(static_cast<std::int16_t>(piece), x, y, fields, speed);
  return front;
}

struct Values {
  double sourceX;
  double sourceY;
  double entryDistance;
  double maxReach;
};

// The values as the worked examples give them, rounded to two decimals.
inline void checkValues(const MultiFront& front, int i, const Values& expected) {
  INFO("piece " << i);
  constexpr double halfCent = 0.005 + 1e-9;
  const PieceArrays& a = front.arrays;
  CHECK(std::abs(a.sourceX[at(i)] - expected.sourceX) <= halfCent);
  CHECK(std::abs(a.sourceY[at(i)] - expected.sourceY) <= halfCent);
  CHECK(std::abs(a.entryDistance[at(i)] - expected.entryDistance) <= halfCent);
  CHECK(std::abs(a.maxReach[at(i)] - expected.maxReach) <= halfCent);
}

// True when piece i kept the direct mapping of the press: its discs centred
// on the pressed point, no path to run first, covered at its farthest corner.
inline bool isDirect(const MultiFront& front, const std::vector<forms::Rect>& fields, int i) {
  const PieceArrays& a = front.arrays;
  // The press is recovered from the clicked piece, whose centre is the press.
  const forms::Rect& clicked = fields[at(a.clickedPiece)];
  const double pressX = clicked.left + a.sourceX[at(a.clickedPiece)];
  const double pressY = clicked.top + a.sourceY[at(a.clickedPiece)];
  const forms::Rect& piece = fields[at(i)];
  const double x = pressX - piece.left;
  const double y = pressY - piece.top;
  constexpr double close = 1e-3;  // single-precision sums of twip positions
  return a.entryDistance[at(i)] == 0 && std::abs(a.sourceX[at(i)] - x) < close &&
         std::abs(a.sourceY[at(i)] - y) < close &&
         std::abs(a.maxReach[at(i)] - testing::farthestCorner(x, y, piece)) < close;
}

// The pieces other than the pressed one that a press sent round a corner.
inline std::set<int> relayedPieces(const MultiFront& front,
                                   const std::vector<forms::Rect>& fields) {
  std::set<int> relayed;
  for (int i = 0; i < front.shape.pieceCount; ++i) {
    if (i != front.arrays.clickedPiece && !isDirect(front, fields, i)) relayed.insert(i);
  }
  return relayed;
}

}  // namespace velmora::relay_checks
