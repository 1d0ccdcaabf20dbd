#include "forms/qt/peer_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "forms/form.h"

namespace forms::qt {

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

void PeerWidget::mousePressed(QMouseEvent& event) {
  const std::int16_t button = buttonCode(event.button());
  if (button == 0) return;
  if (button == leftButton) leftDown_ = true;
  if (!control_) return;
  // Logical pixels times 15: the same twips whatever the screen's scale.
  const QPointF at = event.position();
  control_->dispatchMouseDown({button, shiftCode(event.modifiers()),
                               static_cast<float>(at.x() * twipsPerPixel),
                               static_cast<float>(at.y() * twipsPerPixel)});
}

void PeerWidget::mouseReleased(const QWidget& self, QMouseEvent& event) {
  if (event.button() != Qt::LeftButton || !leftDown_) return;
  leftDown_ = false;
  if (control_ && self.rect().contains(event.position().toPoint())) control_->dispatchClick();
}

void PeerWidget::focusArrived() {
  if (!control_) return;
  Form& form = control_->form();
  if (form.loaded() && form.focused() != control_) form.setFocus(control_);
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
