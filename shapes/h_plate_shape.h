// The H-shaped plate: a wide left upright and a narrower right one, joined
// by a thin crossbar that meets each block of the uprights only at an inner
// corner of the H.
#pragma once

#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"

namespace velmora::h_plate {

// The seven pieces in window coordinates (twips): the left upright top to
// bottom (0, 1, 2), the crossbar (3), the right upright top to bottom
// (4, 5, 6). Neighbours overlap by 15 twips.
extern const std::vector<forms::Rect> fields;

// Seven pieces, the slow-down of the broad plates, which piece ends a run,
// and the corner rules.
extern const MultiShape shape;

}  // namespace velmora::h_plate
