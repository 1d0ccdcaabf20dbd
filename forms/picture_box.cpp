// The picture box: the metal pieces, the markers and the menu's picture
// buttons. Its drawing lives in its canvas, so it survives repaints and a
// move to a screen of another scale.
#include <algorithm>
#include <cmath>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

PictureBox::PictureBox(Container& parent, Rect rect)
    : Container(&parent, ControlKind::PictureBox, rect) {
  canvas_.fill(backColor_);
  fitCanvas();
  attachPeer();
}

std::unique_ptr<ControlPeer> PictureBox::makePeer(Backend& backend) {
  return backend.createPictureBox(*this);
}

bool PictureBox::fitCanvas() {
  const double ratio = form().pixelRatio();
  const PixelArea device = deviceRect();
  // Where the box's twip origin lies in its own device pixels: its exact
  // place less the pixel its left and top edges were snapped to.
  const Point at = clientPosition();
  const auto fraction = [ratio](float twips) {
    const double exact = double(twips) / twipsPerPixel * ratio;
    return static_cast<float>(exact - static_cast<double>(std::lround(exact)));
  };
  return canvas_.resize(device.right - device.left, device.bottom - device.top, ratio,
                        Point{fraction(at.x), fraction(at.y)});
}

void PictureBox::edgesChanged() {
  if (fitCanvas()) tell(&ControlPeer::drawingChanged);
}

void PictureBox::setTabStop(bool tabStop) {
  tabStop_ = tabStop;
  tell(&ControlPeer::accessibleChanged);  // a button to a screen reader now, or no longer
}

void PictureBox::setBackColor(Color color) {
  backColor_ = color;
  // A new background erases what was drawn: the metal turns cold again.
  canvas_.fill(color);
  tell(&ControlPeer::coloursChanged);
  tell(&ControlPeer::drawingChanged);
}

void PictureBox::setPicture(Picture picture) {
  picture_ = std::move(picture);
  tell(&ControlPeer::pictureChanged);
}

void PictureBox::setMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  tell(&ControlPeer::cursorChanged);
}

void PictureBox::setMouseIcon(Cursor cursor) {
  mouseIcon_ = std::move(cursor);
  tell(&ControlPeer::cursorChanged);
}

void PictureBox::drawCircle(float x, float y, float radius) {
  canvas_.circle(x, y, radius, foreColor_, fillColor_);
  tell(&ControlPeer::drawingChanged);
}

Point PictureBox::aim() const {
  if (aimMoved_) return aim_;
  return {width() / 2, height() / 2};
}

void PictureBox::moveAim(float dx, float dy) {
  const Point from = aim();
  // Kept on the last whole pixel at the right and bottom: the point a
  // press there reaches still lies inside the box.
  aim_ = {std::clamp(from.x + dx, 0.0f, std::max(0.0f, width() - twipsPerPixel)),
          std::clamp(from.y + dy, 0.0f, std::max(0.0f, height() - twipsPerPixel))};
  aimMoved_ = true;
  form().refreshOverlay();
}

Color PictureBox::pixelAt(float x, float y) const { return canvas_.pixelAtTwips(x, y); }

}  // namespace forms
