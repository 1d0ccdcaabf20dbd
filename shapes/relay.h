// Relaying the heat around a corner of a shape: a piece that the front
// reaches only around a corner draws its discs around an entry point there,
// and stays cold until the front has run the path to that point.
#pragma once

#include <cmath>

#include "simulation/multi_front.h"

namespace velmora {

// Where the relayed piece's discs are centred (its own coordinates), how far
// the heat runs to get there, and the front radius that covers the piece.
struct Relay {
  double sourceX;
  double sourceY;
  double entryDistance;
  double maxReach;
};

inline void relay(PieceArrays& arrays, int piece, const Relay& to) {
  arrays.sourceX[piece] = to.sourceX;
  arrays.sourceY[piece] = to.sourceY;
  arrays.entryDistance[piece] = to.entryDistance;
  arrays.maxReach[piece] = to.maxReach;
}

// The straight path of the heat across the metal, in double precision.
inline double pathLength(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// The diagonal of a piece: from the corner its discs grow around to the
// opposite corner, the last point of it the heat reaches.
inline double diagonal(const forms::Rect& piece) { return pathLength(piece.width, piece.height); }

}  // namespace velmora
