// The six shapes as the program shows them: each one's card on the menu
// and the layout of its simulation window around the metal, one row each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/types.h"
#include "heat/shape.h"

namespace velmora {

struct ShapeLayout {
  const heat::Shape& shape;  // its pieces (the metal) and corner rules

  // The menu's picture button: where it stands, its caption, and the grey
  // rectangles that draw the shape on it, in the button's coordinates.
  forms::Point card;
  std::string cardCaption;  // also the shape's word in its window's title
  float cardCaptionWidth;
  std::vector<forms::Rect> pictogram;

  // The window's heading: the shape's word in red, the rest in blue. Most
  // shapes are plates: "...の板の熱の伝わり方" (how heat spreads through a
  // ... plate).
  std::string shapeWord;
  float shapeWordWidth;
  float shapeWordPoints = 24;
  std::string heading = "の板の熱の伝わり方";
  float headingLeft;
  float headingWidth = 3375;
  // Where the hidden burner image waits on the window, and each piece's
  // hidden marker inside its piece (top-left corners, 480 twips square).
  forms::Point burner;
  std::vector<forms::Point> markers;
};

// In the menu's order: rod, plate, T, then concave, H, spiral.
const std::vector<ShapeLayout>& shapeLayouts();

}  // namespace velmora
