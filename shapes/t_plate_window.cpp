#include "shapes/t_plate_window.h"

#include "shapes/t_plate_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：T字形",
      .shapeWord = "Ｔ字形",
      .shapeWordWidth = 1455,
      .shapeWordPoints = 24,
      .heading = "の板の熱の伝わり方",
      .headingLeft = 1680,
      .headingWidth = 3375,
      .fire0 = {720, 2520, 480, 480},
  };
}

MultiPieceLayout metal() {
  return MultiPieceLayout{
      .fields = t_plate::fields,  // left arm, centre block, right arm, stem
      .fires =
          {
              {1440, 120, 480, 480},
              {240, 360, 480, 480},
              {240, 360, 480, 480},
              {240, 360, 480, 480},
          },
  };
}

}  // namespace

TPlateWindow::TPlateWindow(forms::Form& menu)
    : MultiPieceWindow(frame(), metal(), t_plate::shape, menu) {}

}  // namespace velmora
