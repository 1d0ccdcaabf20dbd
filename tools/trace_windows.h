// The six simulation windows as the trace tool knows them: each one's metal
// and heat-front model, taken from the very data the windows are built from.
#pragma once

#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/types.h"
#include "simulation/multi_front.h"

namespace velmora::trace {

// The rectangle plate and the rod: one piece, one front.
struct SinglePieceWindow {
  const forms::Rect* field;
  double stepConstant;
};

// The shapes built from several pieces, one front per piece.
struct MultiPieceWindow {
  const std::vector<forms::Rect>* fields;
  const MultiShape* shape;
};

struct TraceWindow {
  std::string_view name;
  std::variant<SinglePieceWindow, MultiPieceWindow> model;
};

// Every simulation window, simulation1 to simulation6.
std::span<const TraceWindow> traceWindows();

// The pieces of a window, in window coordinates.
std::vector<forms::Rect> piecesOf(const TraceWindow& window);

}  // namespace velmora::trace
