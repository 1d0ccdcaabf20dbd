// The size every simulation window is laid out at. The heat fronts read the
// window's outer width, which is the client width plus the fixed frame.
#pragma once

#include "forms/types.h"

namespace velmora {

constexpr float simulationClientWidth = 8640;
constexpr float simulationClientHeight = 5610;
constexpr float simulationOuterWidth = simulationClientWidth + 2 * forms::frameTwips;  // 8730

}  // namespace velmora
