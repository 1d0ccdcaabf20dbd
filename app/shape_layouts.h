// The six shapes as the program shows them: each one's card on the menu
// and the layout of its simulation window around the metal, one row each.
#pragma once

#include <vector>

#include "app/texts.h"
#include "forms/types.h"
#include "heat/shape.h"

namespace velmora {

struct ShapeLayout {
  const heat::Shape& shape;       // its pieces (the metal) and corner rules
  ShapeTexts CaptionSet::*texts;  // its card's caption and its window's heading

  // The menu's picture button: where it stands, its caption's width, and
  // the grey rectangles that draw the shape on it, in the button's
  // coordinates.
  forms::Point card;
  float cardCaptionWidth;
  std::vector<forms::Rect> pictogram;

  // The window's heading: the shape's word in red, the rest in blue.
  float shapeWordWidth;
  float shapeWordPoints = 24;
  float headingLeft;
  float headingWidth = 3375;
  // Where the hidden burner image waits on the window, and each piece's
  // hidden marker inside its piece (top-left corners).
  forms::Point burner;
  std::vector<forms::Point> markers;
};

// In the menu's order: rod, plate, T, then concave, H, spiral.
const std::vector<ShapeLayout>& shapeLayouts();

// The texts of a shape's row in a caption set.
inline const ShapeTexts& textsOf(const ShapeLayout& layout, const CaptionSet& set = captions()) {
  return set.*layout.texts;
}

}  // namespace velmora
