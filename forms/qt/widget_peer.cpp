#include "forms/qt/widget_peer.h"

#include <cmath>

#include "forms/form.h"

namespace forms::qt {

int pixels(float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

WidgetPeer::WidgetPeer(Control& control, QWidget* widget, PeerWidget* link)
    : control_(control), widget_(widget), link_(link) {}

WidgetPeer::~WidgetPeer() {
  if (!widget_) return;
  // The control is going away, possibly from inside one of this widget's
  // own event handlers: cut the link, take it off the screen, and let the
  // event loop delete it once nothing of it is on the stack any more.
  link_->unlink();
  widget_->hide();
  widget_->deleteLater();
}

void WidgetPeer::syncAll() {
  geometryChanged();
  appearanceChanged();
  visibilityChanged();
}

void WidgetPeer::geometryChanged() {
  if (!widget_) return;
  const Rect r = control_.rect();
  QRect geometry(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
  // A line's box holds both its end pixels.
  if (control_.kind() == ControlKind::Line) geometry.adjust(0, 0, 1, 1);
  widget_->setGeometry(geometry);
}

void WidgetPeer::visibilityChanged() {
  if (widget_) widget_->setVisible(control_.Visible());
}

void WidgetPeer::appearanceChanged() {
  if (widget_) link_->syncAppearance();
}

void WidgetPeer::drawingChanged() {
  if (widget_) link_->syncDrawing();
}

void WidgetPeer::focusChanged() {
  if (!widget_) return;
  if (control_.form().focused() == &control_) {
    // A keyboard reason, so the style draws the focus rectangle.
    widget_->setFocus(Qt::TabFocusReason);
  }
}

}  // namespace forms::qt
