// The trace of one run as a JSON object.
#pragma once

#include <string>
#include <string_view>

#include "heat/heat_run.h"

namespace velmora::trace {

// The run's values at the press and the ticks on which each piece showed
// its marker, first drew, and stopped, with every length exact to the bit.
std::string traceJson(std::string_view window, int clickedPiece, int speedFactor,
                      const heat::RunRecord& run);

}  // namespace velmora::trace
