// The concave (U-shaped) plate, open at the top: a left pillar on a block,
// a bottom bar, and a right pillar on a block. The heat runs from one pillar
// to the other only along the bottom, around the U's inner corners.
#pragma once

#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"

namespace velmora::concave_plate {

// The five pieces in window coordinates (twips): 0 left pillar, 1 block
// below it, 2 bottom bar, 3 block below the right pillar, 4 right pillar.
extern const std::vector<forms::Rect> fields;
extern const MultiShape shape;

}  // namespace velmora::concave_plate
