// The picture box: the metal pieces, the markers and the menu's picture
// buttons. Its drawing lives in its canvas, so it survives repaints.
#include "forms/backend.h"
#include "forms/controls.h"

namespace forms {

namespace {

double currentPixelRatio() {
  Backend* b = backend();
  return b ? b->devicePixelRatio() : 1.0;
}

}  // namespace

PictureBox::PictureBox(Container& parent, Rect rect)
    : Container(&parent, ControlKind::PictureBox, rect) {
  canvas_.fill(backColor_);
  canvas_.resize(rect.width, rect.height, currentPixelRatio());
  attachPeer();
}

void PictureBox::sizeChanged() {
  canvas_.resize(Width(), Height(), canvas_.devicePixelRatio());
  if (peer()) peer()->drawingChanged();
}

void PictureBox::setBackColor(Color color) {
  backColor_ = color;
  // A new background erases what was drawn: the metal turns cold again.
  canvas_.fill(color);
  if (peer()) {
    peer()->appearanceChanged();
    peer()->drawingChanged();
  }
}

void PictureBox::setPicture(Picture picture) {
  picture_ = std::move(picture);
  notifyAppearance();
}

void PictureBox::setMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  notifyAppearance();
}

void PictureBox::setMouseIcon(Cursor cursor) {
  mouseIcon_ = std::move(cursor);
  notifyAppearance();
}

void PictureBox::Circle(float x, float y, float radius) {
  canvas_.circle(x, y, radius, foreColor_, fillColor_);
  if (peer()) peer()->drawingChanged();
}

Color PictureBox::pixelAt(float x, float y) const { return canvas_.pixelAtTwips(x, y); }

}  // namespace forms
