#include "shapes/rectangle_plate_window.h"

#include "shapes/rectangle_plate_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：長方形",
      .shapeWord = "長方形",
      .shapeWordWidth = 1575,
      .shapeWordPoints = 21.75f,  // three characters in the space of two and a bit
      .heading = "の板の熱の伝わり方",
      .headingLeft = 1800,
      .headingWidth = 3375,
      .fire0 = {0, 0, 480, 480},
  };
}

SinglePieceLayout metal() {
  return SinglePieceLayout{
      .field = rectangle_plate::field,
      .fire = {1800, 1080, 480, 480},
      .stepConstant = rectangle_plate::stepConstant,
  };
}

}  // namespace

RectanglePlateWindow::RectanglePlateWindow(forms::Form& menu)
    : SinglePieceWindow(frame(), metal(), menu) {}

}  // namespace velmora
