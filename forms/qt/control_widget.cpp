#include "forms/qt/control_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

#include "forms/form.h"

namespace forms::qt {

int pixels(float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

namespace {

std::int16_t buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return leftButton;
    case Qt::RightButton:
      return rightButton;
    case Qt::MiddleButton:
      return middleButton;
    default:
      return 0;
  }
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
  std::int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

}  // namespace

void ControlWidget::showGeometry() {
  const Rect r = control_->rect();
  QRect geometry(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
  // A line's box holds both its end pixels.
  if (control_->kind() == ControlKind::Line) geometry.adjust(0, 0, 1, 1);
  self_.setGeometry(geometry);
}

void ControlWidget::showVisibility() { self_.setVisible(control_->Visible()); }

void ControlWidget::showFocus() {
  if (control_->form().focused() == control_) {
    // A keyboard reason, so the style draws the focus rectangle.
    self_.setFocus(Qt::TabFocusReason);
  }
}

void ControlWidget::showAll() {
  showGeometry();
  showCaption();
  showColours();
  showFont();
  showPicture();
  showCursor();
  showValue();
  showDrawing();
  showVisibility();
}

void ControlWidget::mousePressed(QMouseEvent& event) {
  const std::int16_t button = buttonCode(event.button());
  if (button == 0 || !control_) return;
  // Logical pixels times 15: the same twips whatever the screen's scale.
  const QPointF at = self_.mapTo(self_.window(), event.position());
  control_->form().pressAt({button, shiftCode(event.modifiers()),
                            static_cast<float>(at.x() * twipsPerPixel),
                            static_cast<float>(at.y() * twipsPerPixel)});
}

void ControlWidget::mouseReleased(QMouseEvent& event) {
  const std::int16_t button = buttonCode(event.button());
  if (button == 0 || !control_) return;
  const QPointF at = self_.mapTo(self_.window(), event.position());
  control_->form().releaseAt({button, shiftCode(event.modifiers()),
                              static_cast<float>(at.x() * twipsPerPixel),
                              static_cast<float>(at.y() * twipsPerPixel)});
}

void ControlWidget::focusArrived() {
  if (!control_) return;
  Form& form = control_->form();
  if (form.loaded() && form.focused() != control_) form.setFocus(control_);
}

WidgetPeer::~WidgetPeer() {
  if (!widget_) return;
  // The control is going away, possibly from inside one of this widget's
  // own event handlers: cut the link, take it off the screen, and let the
  // event loop delete it once nothing of it is on the stack any more.
  shown_->unlink();
  widget_->hide();
  widget_->deleteLater();
}

bool routeKey(QEvent& event, Control* control) {
  if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease) return false;
  auto& keyEvent = static_cast<QKeyEvent&>(event);
  if (keyEvent.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  }
  Key key;
  switch (keyEvent.key()) {
    case Qt::Key_Tab:
      key = (keyEvent.modifiers() & Qt::ShiftModifier) ? Key::BackTab : Key::Tab;
      break;
    case Qt::Key_Backtab:
      key = Key::BackTab;
      break;
    case Qt::Key_Space:
      key = Key::Space;
      break;
    case Qt::Key_Left:
      key = Key::Left;
      break;
    case Qt::Key_Right:
      key = Key::Right;
      break;
    case Qt::Key_Up:
      key = Key::Up;
      break;
    case Qt::Key_Down:
      key = Key::Down;
      break;
    default:
      return false;
  }
  keyEvent.accept();
  // One action per press; releases and auto-repeats are swallowed so the
  // platform's own button handling never acts a second time.
  if (event.type() == QEvent::KeyPress && !keyEvent.isAutoRepeat() && control) {
    control->form().dispatchKey(key);
  }
  return true;
}

}  // namespace forms::qt
