#include "shapes/spiral_window.h"

#include "shapes/spiral_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：うず形",
      .shapeWord = "うず形",
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
      .fields = spiral::fields,  // from the outer end to the inner end
      .fires =
          {
              {120, 1560, 480, 480},
              {120, 120, 480, 480},
              {2160, 120, 480, 480},
              {120, 120, 480, 480},
              {120, 840, 480, 480},
              {120, 120, 480, 480},
              {120, 120, 480, 480},
              {120, 120, 480, 480},
              {120, 840, 480, 480},
          },
  };
}

}  // namespace

SpiralWindow::SpiralWindow(forms::Form& menu)
    : MultiPieceWindow(frame(), metal(), spiral::shape, menu) {}

}  // namespace velmora
