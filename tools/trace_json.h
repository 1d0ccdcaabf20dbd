// The trace of one run as a JSON object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/trace_run.h"

namespace velmora::trace {

std::string traceJson(std::string_view window, std::int16_t clickedPiece, int speedFactor,
                      const Trace& trace);

}  // namespace velmora::trace
