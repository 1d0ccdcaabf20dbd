// The rectangular plate: one wide rectangle of metal below the heading.
#pragma once

#include "forms/types.h"

namespace velmora::rectangle_plate {

// The metal, in window coordinates (twips).
constexpr forms::Rect field{360, 840, 6495, 4455};
// A broad plate lets the heat run a little faster at first than the rod.
constexpr double stepConstant = 1.2;

}  // namespace velmora::rectangle_plate
