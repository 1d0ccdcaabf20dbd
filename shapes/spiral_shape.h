// The spiral: one flat strip wound inwards in a rectangular spiral, five
// straight bars joined end to end by four square bends, with empty gaps
// between the turns that the heat cannot cross.
#pragma once

#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"

namespace velmora::spiral {

// The nine pieces in window coordinates (twips), in order along the strip
// from its outer end to its inner end: bars 0, 2, 4, 6, 8 and the bend
// squares 1, 3, 5, 7 between them. Consecutive pieces overlap by 15 twips.
extern const std::vector<forms::Rect> fields;

// Nine pieces, the gentler slow-down of the long strip, which piece ends a
// run, and the rules that lead the heat round the bends.
extern const MultiShape shape;

}  // namespace velmora::spiral
