#include "shapes/rod_window.h"

#include "shapes/rod_shape.h"

namespace velmora {

namespace {

FrameLayout frame() {
  return FrameLayout{
      .caption = "Velmora：ぼう",
      .shapeWord = "ぼう",
      .shapeWordWidth = 975,
      .shapeWordPoints = 24,
      .heading = "の熱の伝わり方",
      .headingLeft = 1320,
      .headingWidth = 2655,
      .fire0 = {0, 0, 480, 480},
  };
}

// The rod is thinner than the marker: only a strip of the flame shows in
// it, the rest shows around it on the burner image.
SinglePieceLayout metal() {
  return SinglePieceLayout{
      .field = rod::field,
      .fire = {0, 0, 480, 480},
      .stepConstant = rod::stepConstant,
  };
}

}  // namespace

RodWindow::RodWindow(forms::Form& menu) : SinglePieceWindow(frame(), metal(), menu) {}

}  // namespace velmora
