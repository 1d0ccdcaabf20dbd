#include "forms/qt/control_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <iterator>

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

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
  std::int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

struct KeyPair {
  int qt;
  Key key;
};

constexpr KeyPair keys[] = {
    {Qt::Key_Tab, Key::Tab},   {Qt::Key_Backtab, Key::BackTab}, {Qt::Key_Space, Key::Space},
    {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right},     {Qt::Key_Up, Key::Up},
    {Qt::Key_Down, Key::Down}, {Qt::Key_Return, Key::Enter},    {Qt::Key_Enter, Key::Enter},
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

void ControlWidget::showAll() {
  geometryChanged();
  captionChanged();
  coloursChanged();
  fontChanged();
  pictureChanged();
  cursorChanged();
  valueChanged();
  drawingChanged();
  accessibleChanged();
  visibilityChanged();
}

Point ControlWidget::twipsOf(const QMouseEvent& event) const {
  const Form& form = control_->form();
  const QPointF at = self_.mapTo(self_.window(), event.position());
  // Logical pixels times 15 in its own window, whatever the screen's
  // scale; in full screen, through the ratio and origin it is drawn with.
  if (zoom() == 1.0 && form.clientLeft() == 0 && form.clientTop() == 0) {
    return {static_cast<float>(at.x() * twipsPerPixel), static_cast<float>(at.y() * twipsPerPixel)};
  }
  const double ratio = self_.devicePixelRatioF();
  return form.twipsAt(at.x() * ratio, at.y() * ratio);
}

void ControlWidget::mousePressed(QMouseEvent& event) {
  const std::int16_t button = buttonCode(event.button());
  if (button == 0 || !control_) return;
  Form& form = control_->form();
  const Point twips = twipsOf(event);
  form.pressAt({button, shiftCode(event.modifiers()), twips.x, twips.y});
}

void ControlWidget::mouseReleased(QMouseEvent& event) {
  const std::int16_t button = buttonCode(event.button());
  if (button == 0 || !control_) return;
  Form& form = control_->form();
  const Point twips = twipsOf(event);
  form.releaseAt({button, shiftCode(event.modifiers()), twips.x, twips.y});
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
  const auto known = std::find_if(std::begin(keys), std::end(keys),
                                  [&](const KeyPair& pair) { return pair.qt == keyEvent.key(); });
  if (known == std::end(keys)) return false;
  Key key = known->key;
  if (key == Key::Tab && (keyEvent.modifiers() & Qt::ShiftModifier)) key = Key::BackTab;
  keyEvent.accept();
  // One action per press; releases and auto-repeats are swallowed so the
  // platform's own button handling never acts a second time.
  if (event.type() == QEvent::KeyPress && !keyEvent.isAutoRepeat() && control) {
    control->form().dispatchKey(key, shiftCode(keyEvent.modifiers()));
  }
  return true;
}

}  // namespace forms::qt
