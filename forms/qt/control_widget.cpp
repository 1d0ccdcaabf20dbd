#include "forms/qt/control_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "forms/backend_support.h"
#include "forms/form.h"

namespace forms::qt {

int pixels(float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

QPointF clientOrigin(const Form& form, qreal devicePixelRatio) {
  return QPointF(form.clientLeft() / devicePixelRatio, form.clientTop() / devicePixelRatio);
}

double ControlWidget::zoom() const {
  if (!control_) return 1.0;
  const double ratio = self_.devicePixelRatioF();
  const double formRatio = control_->form().pixelRatio();
  return ratio > 0 && std::abs(formRatio - ratio) > 1e-9 ? formRatio / ratio : 1.0;
}

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

std::int16_t shiftOf(Qt::KeyboardModifiers modifiers) {
  return shiftCode(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                   modifiers & Qt::AltModifier);
}

struct KeyPair {
  int qt;
  Key key;
};

constexpr KeyPair keys[] = {
    {Qt::Key_Tab, Key::Tab},        {Qt::Key_Backtab, Key::BackTab}, {Qt::Key_Space, Key::Space},
    {Qt::Key_Left, Key::Left},      {Qt::Key_Right, Key::Right},     {Qt::Key_Up, Key::Up},
    {Qt::Key_Down, Key::Down},      {Qt::Key_Return, Key::Enter},    {Qt::Key_Enter, Key::Enter},
    {Qt::Key_F11, Key::FullScreen}, {Qt::Key_Escape, Key::Escape},
};

}  // namespace

int qtKeyOf(Key key) {
  for (const KeyPair& pair : keys) {
    if (pair.key == key) return pair.qt;
  }
  return Qt::Key_unknown;
}

void ControlWidget::geometryChanged() {
  const double shown = zoom();
  const Form& form = control_->form();
  const bool onClient = control_->parent() == &form;
  if (shown == 1.0 && (!onClient || (form.clientLeft() == 0 && form.clientTop() == 0))) {
    const Rect r = control_->rect();
    QRect geometry(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
    // A line's box holds both its end pixels.
    if (control_->kind() == ControlKind::Line) geometry.adjust(0, 0, 1, 1);
    self_.setGeometry(geometry);
  } else {
    // Enlarged (full screen): the core's device pixels, on the client
    // area where it is centred.
    const double ratio = self_.devicePixelRatioF();
    const PixelArea d = control_->deviceRect();
    const int left = onClient ? form.clientLeft() : 0;
    const int top = onClient ? form.clientTop() : 0;
    const auto logical = [ratio](int device) {
      return static_cast<int>(std::lround(device / ratio));
    };
    QRect geometry(QPoint(logical(d.left + left), logical(d.top + top)),
                   QPoint(logical(d.right + left) - 1, logical(d.bottom + top) - 1));
    if (control_->kind() == ControlKind::Line) {
      const int extra = static_cast<int>(std::ceil(shown));
      geometry.adjust(0, 0, extra, extra);
    }
    self_.setGeometry(geometry);
  }
  // Fonts, pictures and cursors follow the window's enlargement.
  if (shown != shownZoom_) {
    shownZoom_ = shown;
    fontChanged();
    pictureChanged();
    cursorChanged();
    self_.update();
  }
}

void ControlWidget::visibilityChanged() { self_.setVisible(control_->visible()); }

void ControlWidget::focusChanged() {
  if (control_->form().focused() == control_) {
    // A keyboard reason, so the style draws the focus rectangle.
    self_.setFocus(Qt::TabFocusReason);
  }
}

void ControlWidget::accessibleChanged() {
  self_.setAccessibleName(QString::fromStdString(control_->accessibleName()));
  self_.setAccessibleDescription(QString::fromStdString(control_->accessibleDescription()));
}

void ControlWidget::mouseButton(const QMouseEvent& event, bool press) {
  if (!control_) return;
  // The point on the window in device pixels: the core maps it to the
  // client area's twips, in its own window or centred full screen.
  const QPointF at = self_.mapTo(self_.window(), event.position()) * self_.devicePixelRatioF();
  mouseButtonAt(control_->form(), press, buttonCode(event.button()), shiftOf(event.modifiers()),
                at.x(), at.y());
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
  const auto known = std::find_if(std::begin(keys), std::end(keys),
                                  [&](const KeyPair& pair) { return pair.qt == keyEvent.key(); });
  if (known == std::end(keys)) return false;
  keyEvent.accept();
  const KeyPhase phase = event.type() == QEvent::KeyRelease ? KeyPhase::Release
                         : keyEvent.isAutoRepeat()          ? KeyPhase::Repeat
                                                            : KeyPhase::Press;
  keyArrived(control, known->key, phase, keyEvent.modifiers() & Qt::ShiftModifier);
  return true;
}

}  // namespace forms::qt
