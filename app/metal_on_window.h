// Where the heat's lengths meet the window's: what the model is told of the
// window its metal lies in, and the one place where the model's rectangles
// and points become the toolkit's. Plain C++ (no toolkit is linked), so the
// trace tool and the model tests hand the model the very same window.
#pragma once

#include "forms/types.h"
#include "heat/heat_run.h"

namespace velmora {

// Every shape's window has the same client area (twips).
constexpr float simulationClientWidth = 8640;
constexpr float simulationClientHeight = 5610;

// The burner markers are square, centred on the pressed point.
constexpr float markerSize = 480;

// The front slows against the window's outer width: its client width and
// the toolkit's fixed frame, never what a desktop draws around it.
constexpr heat::Surroundings simulationSurroundings{simulationClientWidth + 2 * forms::frameTwips,
                                                    markerSize};

inline forms::Rect onWindow(const heat::Rect& r) { return {r.left, r.top, r.width, r.height}; }
inline forms::Point onWindow(const heat::Point& p) { return {p.x, p.y}; }

}  // namespace velmora
