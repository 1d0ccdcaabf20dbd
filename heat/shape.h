// A metal shape as the heat sees it: its pieces, how fast the front grows
// on it, and what a press on each piece relays around the inner corners.
#pragma once

#include <span>
#include <string_view>

#include "heat/geometry.h"

namespace velmora::heat {

class Press;

// The front's step at radius r is speed × (stepConstant − slowdown × r / W),
// W the window's outer width: it shrinks as the heat spreads.
struct Growth {
  double stepConstant;
  double slowdown;
  // The plate and the rod keep their one radius as a double and grow it in
  // double; the shapes of several pieces keep a single per piece and grow it
  // at extended precision. Each keeps its own, so every run stops on the
  // very tick it always has.
  bool singleRadius;
};

// What a press on one piece does beyond heating every piece it reaches in
// a straight line.
struct PressRule {
  int finishingPiece;                // its timer's stop shows "もう一度"
  void (*relays)(Press&) = nullptr;  // the pieces sent round a corner, if any
};

struct Shape {
  std::string_view name;
  std::span<const Rect> pieces;  // in window coordinates; later ones lie on top
  Growth growth;
  std::span<const PressRule> onPress;  // by the piece pressed
};

// The six shapes.
extern const Shape plate;
extern const Shape rod;
extern const Shape tPlate;
extern const Shape concavePlate;
extern const Shape hPlate;
extern const Shape spiral;

// The shape called `name`, or null.
const Shape* shapeNamed(std::string_view name);

}  // namespace velmora::heat
