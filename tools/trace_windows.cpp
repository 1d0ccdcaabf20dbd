#include "tools/trace_windows.h"

#include <array>

#include "shapes/concave_plate_shape.h"
#include "shapes/h_plate_shape.h"
#include "shapes/rectangle_plate_shape.h"
#include "shapes/rod_shape.h"
#include "shapes/spiral_shape.h"
#include "shapes/t_plate_shape.h"

namespace velmora::trace {

namespace {

// The one list of windows the tool traces, in the windows' own order. A
// new shape joins it by one entry here and nothing else.
const std::array<TraceWindow, 6> windows{{
    {"simulation1", SinglePieceWindow{&rectangle_plate::field, rectangle_plate::stepConstant}},
    {"simulation2", SinglePieceWindow{&rod::field, rod::stepConstant}},
    {"simulation3", MultiPieceWindow{&t_plate::fields, &t_plate::shape}},
    {"simulation4", MultiPieceWindow{&spiral::fields, &spiral::shape}},
    {"simulation5", MultiPieceWindow{&h_plate::fields, &h_plate::shape}},
    {"simulation6", MultiPieceWindow{&concave_plate::fields, &concave_plate::shape}},
}};

}  // namespace

std::span<const TraceWindow> traceWindows() { return windows; }

std::vector<forms::Rect> piecesOf(const TraceWindow& window) {
  if (const auto* single = std::get_if<SinglePieceWindow>(&window.model)) return {*single->field};
  return *std::get<MultiPieceWindow>(window.model).fields;
}

}  // namespace velmora::trace
