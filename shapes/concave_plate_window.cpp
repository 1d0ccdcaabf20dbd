#include "shapes/concave_plate_window.h"

#include "shapes/concave_plate_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：凹字形",
      .shapeWord = "凹字形",
      .shapeWordWidth = 1695,
      .shapeWordPoints = 24,
      .heading = "の板の熱の伝わり方",
      .headingLeft = 1920,
      .headingWidth = 3375,
      .fire0 = {0, 2160, 480, 480},
  };
}

MultiPieceLayout metal() {
  return MultiPieceLayout{
      .fields = concave_plate::fields,  // left pillar, its block, bottom bar, block, right pillar
      .fires =
          {
              {120, 120, 480, 480},
              {120, 0, 480, 480},
              {120, 120, 480, 480},
              {240, 0, 480, 480},
              {120, 120, 480, 480},
          },
  };
}

}  // namespace

ConcavePlateWindow::ConcavePlateWindow(forms::Form& menu)
    : MultiPieceWindow(frame(), metal(), concave_plate::shape, menu) {}

}  // namespace velmora
