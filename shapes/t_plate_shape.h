// The T-shaped plate: a top bar of three pieces (left arm, centre block,
// right arm) and a stem hanging below the centre block, flush with its left
// edge. The heat reaches the stem around the T's inner corners.
#pragma once

#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"

namespace velmora::t_plate {

// The four pieces in window coordinates (twips): 0 left arm, 1 centre
// block, 2 right arm, 3 stem.
extern const std::vector<forms::Rect> fields;
extern const MultiShape shape;

}  // namespace velmora::t_plate
