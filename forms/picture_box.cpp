// The picture box: the metal pieces, the markers and the menu's picture
// buttons. Its drawing lives in its canvas, so it survives repaints and a
// move to a screen of another scale.
#include <algorithm>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

PictureBox::PictureBox(Container& parent, Rect rect)
    : Container(&parent, ControlKind::PictureBox, rect) {
  canvas_.fill(backColor_);
  canvas_.resize(rect.width, rect.height, form().pixelRatio());
  attachPeer();
}

std::unique_ptr<ControlPeer> PictureBox::makePeer(Backend& backend) {
  return backend.createPictureBox(*this);
}

void PictureBox::sizeChanged() {
  canvas_.resize(Width(), Height(), canvas_.devicePixelRatio());
  tell(&ControlPeer::drawingChanged);
}

void PictureBox::pixelRatioChanged(double ratio) {
  canvas_.resize(Width(), Height(), ratio);
  tell(&ControlPeer::drawingChanged);
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

void PictureBox::Circle(float x, float y, float radius) {
  canvas_.circle(x, y, radius, foreColor_, fillColor_);
  tell(&ControlPeer::drawingChanged);
}

Point PictureBox::aim() const {
  if (aimMoved_) return aim_;
  return {Width() / 2, Height() / 2};
}

void PictureBox::moveAim(float dx, float dy) {
  const Point from = aim();
  // Kept on the last whole pixel at the right and bottom: the point a
  // press there reaches still lies inside the box.
  aim_ = {std::clamp(from.x + dx, 0.0f, std::max(0.0f, Width() - twipsPerPixel)),
          std::clamp(from.y + dy, 0.0f, std::max(0.0f, Height() - twipsPerPixel))};
  aimMoved_ = true;
  form().refreshOverlay();
}

Color PictureBox::pixelAt(float x, float y) const { return canvas_.pixelAtTwips(x, y); }

}  // namespace forms
