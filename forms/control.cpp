// Control and Container: geometry, visibility, parentage, hit testing and
// the one dispatch path every mouse event takes.
#include <algorithm>
#include <cmath>
#include <utility>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/handlers.h"
#include "forms/lifetime.h"

namespace forms {

Control::Control(Container* parent, ControlKind kind, Rect rect)
    : parent_(parent), kind_(kind), rect_(rect) {
  lifetime::controlCreated(this);
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  peer_.reset();
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  lifetime::controlDestroyed(this);
}

void Control::attachPeer() {
  if (peer_) return;
  // A child whose container has no peer (built before any backend) stays
  // state-only too, instead of turning up as a stray top-level window.
  if (parent_ && !parent_->peer()) return;
  if (Backend* b = backend()) peer_ = makePeer(*b);
}

void Control::tell(void (ControlPeer::*message)()) {
  if (peer_) (peer_.get()->*message)();
  // Whatever a control shows may move the focus mark or the aiming cross
  // (the focus, a move, a hidden control, the cursor going on heated metal).
  const Control* c = this;
  while (c && c->kind_ != ControlKind::Form) c = c->parent_;
  if (c) static_cast<Form&>(const_cast<Control&>(*c)).refreshOverlay();
}

void Control::setLeft(float left) { move({left, rect_.top, rect_.width, rect_.height}); }

void Control::setTop(float top) { move({rect_.left, top, rect_.width, rect_.height}); }

void Control::move(Rect rect) {
  rect_ = rect;
  snapAgain();
}

void Control::snapAgain() {
  edgesChanged();
  tell(&ControlPeer::geometryChanged);
  if (auto* container = dynamic_cast<Container*>(this)) {
    for (Control* child : container->children_) child->snapAgain();
  }
}

Point Control::clientPosition() const {
  double x = 0, y = 0;
  for (const Control* c = this; c && c->kind_ != ControlKind::Form; c = c->parent_) {
    x += c->rect_.left;
    y += c->rect_.top;
  }
  return {static_cast<float>(x), static_cast<float>(y)};
}

namespace {

int snapped(double twips, double ratio) {
  return static_cast<int>(std::lround(twips / twipsPerPixel * ratio));
}

}  // namespace

PixelArea Control::deviceRect() const {
  const Form& owner = form();
  const double ratio = owner.pixelRatio();
  if (kind_ == ControlKind::Form) {
    return {0, 0, snapped(owner.clientWidth(), ratio), snapped(owner.clientHeight(), ratio)};
  }
  const Point at = clientPosition();
  const Point origin = parent_ ? parent_->clientPosition() : Point{};
  const int originX = snapped(origin.x, ratio);
  const int originY = snapped(origin.y, ratio);
  return {snapped(at.x, ratio) - originX, snapped(at.y, ratio) - originY,
          snapped(double(at.x) + rect_.width, ratio) - originX,
          snapped(double(at.y) + rect_.height, ratio) - originY};
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  tell(&ControlPeer::visibilityChanged);
  if (visible || kind_ == ControlKind::Form) return;
  // Hiding the focused control (or its container) passes the focus on, as
  // the keyboard must never rest on something the child cannot see.
  Form& owner = form();
  Control* focused = owner.focused();
  if (!focused) return;
  for (const Control* c = focused; c && c != &owner; c = c->parent_) {
    if (c == this) {
      owner.setFocus(owner.neighbour(focused, +1));
      return;
    }
  }
}

void Control::setAccessibleName(std::string name) {
  accessibleName_ = std::move(name);
  tell(&ControlPeer::accessibleChanged);
}

void Control::setAccessibleDescription(std::string description) {
  accessibleDescription_ = std::move(description);
  tell(&ControlPeer::accessibleChanged);
}

AccessibleRole Control::accessibleRole() const {
  switch (kind_) {
    case ControlKind::Form:
      return AccessibleRole::Window;
    case ControlKind::CommandButton:
      return AccessibleRole::Button;
    case ControlKind::OptionButton:
      return AccessibleRole::RadioButton;
    case ControlKind::Label:
      return AccessibleRole::Text;
    case ControlKind::PictureBox:
      // A box the keyboard can press (a card, a piece of metal) acts as a
      // button; an unnamed one (a marker) is decoration.
      if (takesFocus()) return AccessibleRole::Button;
      [[fallthrough]];
    case ControlKind::Image:
      return accessibleName_.empty() ? AccessibleRole::None : AccessibleRole::Picture;
    case ControlKind::Line:
    case ControlKind::FilledRect:
      break;
  }
  return AccessibleRole::None;
}

Form& Control::form() const {
  const Control* c = this;
  while (c->kind_ != ControlKind::Form) c = c->parent_;
  return static_cast<Form&>(const_cast<Control&>(*c));
}

void Control::dispatchMouseDown(const MouseEvent& event) { raise(onMouseDown, event); }

void Control::dispatchClick() { raise(onClick); }

Container::~Container() {
  // Children are destroyed before their container; should one outlive it,
  // it must not reach back into freed memory.
  for (Control* child : children_) child->parent_ = nullptr;
}

Control* Container::hitTest(float x, float y) {
  // Windowed controls lie above windowless ones; within each kind the
  // later-created lies on top.
  for (bool windowless : {false, true}) {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
      Control* child = *it;
      if (isWindowless(child->kind()) != windowless) continue;
      if (!child->visible() || !child->takesInput()) continue;
      const Rect r = child->rect();
      if (x < r.left || y < r.top || x >= r.left + r.width || y >= r.top + r.height) continue;
      if (auto* box = dynamic_cast<Container*>(child)) return box->hitTest(x - r.left, y - r.top);
      return child;
    }
  }
  return this;
}

}  // namespace forms
