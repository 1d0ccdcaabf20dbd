#include "shapes/h_plate_window.h"

#include "shapes/h_plate_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：H字形",
      .shapeWord = "H字形",
      .shapeWordWidth = 1455,
      .shapeWordPoints = 24,
      .heading = "の板の熱の伝わり方",
      .headingLeft = 1680,
      .headingWidth = 3375,
      .fire0 = {0, 2160, 480, 480},
  };
}

MultiPieceLayout metal() {
  return MultiPieceLayout{
      .fields = h_plate::fields,  // left upright top to bottom, crossbar, right upright
      .fires =
          {
              {120, 120, 480, 480},
              {120, 0, 480, 480},
              {120, 120, 480, 480},
              {240, 0, 480, 480},
              {120, 120, 480, 480},
              {120, 0, 480, 480},
              {120, 120, 480, 480},
          },
  };
}

}  // namespace

HPlateWindow::HPlateWindow(forms::Form& menu)
    : MultiPieceWindow(frame(), metal(), h_plate::shape, menu) {}

}  // namespace velmora
