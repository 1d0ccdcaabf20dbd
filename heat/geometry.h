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

}  // namespace velmora::heat
