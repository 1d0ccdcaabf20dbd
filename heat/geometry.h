// Lengths on the metal, in twips (15 to a pixel at the usual scale).
#pragma once

namespace velmora::heat {

// A rectangle of metal: its place in the window and its size.
struct Rect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

struct Point {
  float x = 0;
  float y = 0;
};

// Every shape's window is 8640 twips wide inside, plus a fixed frame of 45
// twips a side. The front slows down against this outer width, the same on
// every screen and theme, so the heat grows identically everywhere.
constexpr float windowOuterWidth = 8640 + 2 * 45.0f;

// The burner markers are 480 twips square and centred on the pressed point.
constexpr float markerHalf = 240;

}  // namespace velmora::heat
