// The rod: a thin bar, nine pixels high, across almost the whole window.
#pragma once

#include "forms/types.h"

namespace velmora::rod {

// The metal, in window coordinates (twips).
constexpr forms::Rect field{120, 2280, 8415, 135};
// The heat starts along the thin rod a little more slowly than on the plate.
constexpr double stepConstant = 1.1;

}  // namespace velmora::rod
