// The focus mark and the aiming cross, worked out once in device pixels
// for every backend to fill as they are.
#include "forms/keyboard_overlay.h"

#include <algorithm>
#include <cmath>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/pictures.h"

namespace forms {

namespace {

// The focus mark: a frame just inside the control's box, so it is never
// hidden by a neighbour and always lies between the control and what is
// around it.
void addFrame(std::vector<OverlayRun>& runs, const PixelArea& box, int thickness) {
  const int t = std::min({thickness, (box.right - box.left) / 2, (box.bottom - box.top) / 2});
  if (t <= 0) return;
  runs.push_back({{box.left, box.top, box.right, box.top + t}, focusMarkColour});
  runs.push_back({{box.left, box.bottom - t, box.right, box.bottom}, focusMarkColour});
  runs.push_back({{box.left, box.top + t, box.left + t, box.bottom - t}, focusMarkColour});
  runs.push_back({{box.right - t, box.top + t, box.right, box.bottom - t}, focusMarkColour});
}

// The box's cursor picture with its hot spot on the aimed point, each
// picture pixel a square of the ratio's size, clipped to the box: the same
// cross the mouse shows, where a press of Enter or Space would go.
void addCross(std::vector<OverlayRun>& runs, const PictureBox& box, const PixelArea& at,
              double ratio) {
  const PicturePixels& picture = pixelsOf(box.mouseIcon().icon);
  if (picture.empty()) return;
  const Point aim = box.aim();
  const auto scaled = [ratio](int pixels) { return static_cast<int>(std::lround(pixels * ratio)); };
  const int left = at.left + static_cast<int>(std::floor(aim.x / twipsPerPixel * ratio)) -
                   scaled(box.mouseIcon().hotX);
  const int top = at.top + static_cast<int>(std::floor(aim.y / twipsPerPixel * ratio)) -
                  scaled(box.mouseIcon().hotY);
  const int width = scaled(picture.width);
  const int height = scaled(picture.height);
  for (int y = std::max(top, at.top); y < std::min(top + height, at.bottom); ++y) {
    const int row = std::min(picture.height - 1, static_cast<int>((y - top) / ratio));
    OverlayRun run;
    const auto flush = [&] {
      if (!run.area.empty()) runs.push_back(run);
      run = OverlayRun{};
    };
    for (int x = std::max(left, at.left); x < std::min(left + width, at.right); ++x) {
      const int column = std::min(picture.width - 1, static_cast<int>((x - left) / ratio));
      const std::uint32_t argb = picture.at(column, row);
      // Cursors are drawn with a one-bit mask: half-covered counts as drawn.
      if ((argb >> 24) < 128) {
        flush();
        continue;
      }
      const Color colour = rgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
      if (!run.area.empty() && run.colour == colour && run.area.right == x) {
        run.area.right = x + 1;
        continue;
      }
      flush();
      run = OverlayRun{{x, y, x + 1, y + 1}, colour};
    }
    flush();
  }
}

}  // namespace

PixelArea devicePixelsOf(const Control& control) {
  // The control's own snapped box, moved by its container's: each edge is
  // where the control itself is drawn, to the pixel, at any ratio.
  PixelArea box = control.deviceRect();
  if (control.kind() == ControlKind::Form || !control.parent()) return box;
  const PixelArea origin = devicePixelsOf(*control.parent());
  box.left += origin.left;
  box.right += origin.left;
  box.top += origin.top;
  box.bottom += origin.top;
  return box;
}

std::vector<OverlayRun> keyboardOverlay(const Form& form) {
  std::vector<OverlayRun> runs;
  const Control* focused = form.focused();
  // The focus never rests on a hidden control: hiding one passes it on.
  if (!form.keyboardUsed() || !form.loaded() || !form.visible() || !focused) return runs;
  const double ratio = form.pixelRatio();
  const PixelArea box = devicePixelsOf(*focused);
  if (const auto* picture = dynamic_cast<const PictureBox*>(focused); picture && picture->aimed()) {
    addCross(runs, *picture, box, ratio);
  }
  addFrame(runs, box, static_cast<int>(std::lround(focusMarkPixels * ratio)));
  return runs;
}

PixelArea boundsOf(const std::vector<OverlayRun>& runs) {
  PixelArea bounds;
  for (const OverlayRun& run : runs) bounds.add(run.area);
  return bounds;
}

}  // namespace forms
