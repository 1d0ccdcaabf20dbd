// Form: a window's life from first showing through closing, its focus and
// its keyboard.
#include "forms/form.h"

#include <algorithm>
#include <utility>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/lifetime.h"

namespace forms {

namespace {

// Shown on the screen: the control and every container up to the form.
bool shown(const Control& control) {
  for (const Control* c = &control; c; c = c->parent()) {
    if (c->kind() == ControlKind::Form) return true;
    if (!c->visible()) return false;
  }
  return false;
}

bool canHoldFocus(const Control& control) { return control.takesFocus() && shown(control); }

// Tab stops at one option of a group, the selected one (the first, if none
// is), as on the classic desktop; the arrow keys move within the group.
bool tabStopsAt(const Control& control) {
  if (!canHoldFocus(control)) return false;
  const auto* option = dynamic_cast<const OptionButton*>(&control);
  if (!option) return true;
  if (option->value()) return true;
  const std::vector<OptionButton*> group = option->group();
  if (std::any_of(group.begin(), group.end(), [](auto* o) { return o->value(); })) return false;
  const auto first =
      std::find_if(group.begin(), group.end(), [](auto* o) { return canHoldFocus(*o); });
  return first != group.end() && *first == option;
}

// A form's size as the program reads it: the client area and the fixed
// single frame around it.
Rect outerRect(const FormStyle& style) {
  return {0, 0, style.clientWidth + 2 * frameTwips, style.clientHeight + 2 * frameTwips};
}

}  // namespace

Form::Form(FormStyle style)
    : Container(nullptr, ControlKind::Form, outerRect(style)), style_(std::move(style)) {
  lifetime::formCreated(this);
  // A window is not on the screen until it is shown.
  setVisible(false);
  attachPeer();
}

std::unique_ptr<ControlPeer> Form::makePeer(Backend& backend) { return backend.createForm(*this); }

Form::~Form() {
  close();
  lifetime::formDestroyed(this);
}

void Form::show() {
  if (programEnded()) return;
  // A window object made before the backend was set up gets its window now.
  if (!peer()) attachPeer();
  if (!loaded_) {
    loaded_ = true;
    buildLayout();
    onLoad();
    // onLoad may have ended the program or closed this very form.
    if (programEnded() || !loaded_) return;
  }
  if (visible()) {
    tell(&ControlPeer::raised);
  } else {
    setVisible(true);
  }
  if (focused_ && canHoldFocus(*focused_)) {
    setFocus(focused_);
  } else {
    setFocus(neighbour(nullptr, +1));
  }
}

void Form::hide() { setVisible(false); }

void Form::close() {
  if (loaded_) {
    // Marked unloaded first, so nothing (focus moves as widgets go away)
    // can take hold of a control about to be destroyed.
    loaded_ = false;
    focused_ = nullptr;
    pressed_ = nullptr;
    tabOrder_.clear();
    while (!timers_.empty()) timers_.pop_back();
    while (!controls_.empty()) controls_.pop_back();
    refreshOverlay();
  }
  setVisible(false);
}

void Form::pressAt(const MouseEvent& event) {
  if (programEnded()) return;
  // The child took the mouse: the marks of the keyboard go until its next key.
  keyboardUsed_ = false;
  refreshOverlay();
  Control* target = hitTest(event.x, event.y);
  MouseEvent local = event;
  for (const Control* c = target; c != this; c = c->parent()) {
    local.x -= c->left();
    local.y -= c->top();
  }
  if (event.button == leftButton) {
    pressed_ = target;
    pressedSerial_ = lifetime::serialOf(target);
  }
  target->dispatchMouseDown(local);
}

void Form::pressOn(Control* target, const MouseEvent& local) {
  const std::uint64_t serial = lifetime::serialOf(target);
  target->dispatchMouseDown(local);
  // The press may have closed the form, and with it the control.
  if (lifetime::controlAlive(target, serial)) target->dispatchClick();
}

void Form::releaseAt(const MouseEvent& event) {
  if (event.button != leftButton || !pressed_) return;
  Control* pressed = pressed_;
  pressed_ = nullptr;
  // The press may have closed the form, and with it the control.
  if (!lifetime::controlAlive(pressed, pressedSerial_)) return;
  if (hitTest(event.x, event.y) == pressed) pressed->dispatchClick();
}

void Form::dispatchPixelRatio(double ratio) { dispatchPlacement(ratio, clientLeft_, clientTop_); }

void Form::dispatchPlacement(double ratio, int clientLeft, int clientTop) {
  if (!(ratio > 0)) return;
  if (ratio == pixelRatio_ && clientLeft == clientLeft_ && clientTop == clientTop_) return;
  pixelRatio_ = ratio;
  clientLeft_ = clientLeft;
  clientTop_ = clientTop;
  // Every edge is snapped again at the new ratio, and every canvas drawn
  // again at it.
  for (Control* child : std::vector<Control*>(children())) child->snapAgain();
  refreshOverlay();
}

Point Form::twipsAt(double deviceX, double deviceY) const {
  return {static_cast<float>((deviceX - clientLeft_) / pixelRatio_ * twipsPerPixel),
          static_cast<float>((deviceY - clientTop_) / pixelRatio_ * twipsPerPixel)};
}

void Form::screenModeChanged() { tell(&ControlPeer::screenModeChanged); }

std::vector<Control*> Form::controls() const {
  std::vector<Control*> all;
  for (const auto& c : controls_) all.push_back(c.get());
  return all;
}

void Form::announce(std::string text) {
  announcement_ = std::move(text);
  if (peer()) peer()->announced();
}

void Form::dispatchCloseBox() {
  if (programEnded()) return;
  onCloseBox();
}

void Form::dispatchKey(Key key, std::int16_t shift) {
  if (programEnded() || !loaded_) return;
  keyboardUsed_ = true;
  actOnKey(key, shift);
  // The key may have closed this very form.
  if (loaded_) refreshOverlay();
}

void Form::actOnKey(Key key, std::int16_t shift) {
  switch (key) {
    case Key::Tab:
    case Key::BackTab: {
      Control* next = neighbour(focused_, key == Key::Tab ? +1 : -1);
      if (next) setFocus(next);
      return;
    }
    case Key::Space:
    case Key::Enter:
      if (!focused_ || !canHoldFocus(*focused_)) return;
      if (dynamic_cast<CommandButton*>(focused_) || dynamic_cast<OptionButton*>(focused_)) {
        focused_->dispatchClick();
      } else if (auto* box = dynamic_cast<PictureBox*>(focused_)) {
        // The point the cross shows, in the box's own twips: the same
        // event a left press there gives, then its release's click.
        const Point at = box->aim();
        pressOn(box, MouseEvent{leftButton, 0, at.x, at.y});
      }
      return;
    case Key::FullScreen:
      setFullScreen(!fullScreen());
      return;
    case Key::Escape:
      setFullScreen(false);
      return;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
      if (auto* box = dynamic_cast<PictureBox*>(focused_)) {
        // Only where the cross shows: on metal that is heating the arrows
        // do nothing.
        if (!box->aimed() || !canHoldFocus(*box)) return;
        const float step = (shift & 1) ? fineAimStep : aimStep;
        const float dx = key == Key::Left ? -step : key == Key::Right ? step : 0;
        const float dy = key == Key::Up ? -step : key == Key::Down ? step : 0;
        box->moveAim(dx, dy);
        return;
      }
      auto* focusedOption = dynamic_cast<OptionButton*>(focused_);
      if (!focusedOption) return;
      std::vector<OptionButton*> options;
      for (OptionButton* option : focusedOption->group()) {
        if (shown(*option)) options.push_back(option);
      }
      auto at = std::find(options.begin(), options.end(), focused_);
      if (at == options.end()) return;
      const int count = static_cast<int>(options.size());
      const int step = (key == Key::Right || key == Key::Down) ? 1 : -1;
      const int index = static_cast<int>(at - options.begin());
      OptionButton* next = options[(index + step + count) % count];
      // The focus moves first: the click handler may close the form.
      setFocus(next);
      next->select();
      return;
    }
  }
}

void Form::refreshOverlay() {
  std::vector<OverlayRun> now = keyboardOverlay(*this);
  if (now == overlay_) return;
  PixelArea changed = boundsOf(overlay_);
  changed.add(boundsOf(now));
  overlay_ = std::move(now);
  overlayChangedArea_ = changed;
  if (ControlPeer* p = peer()) p->overlayChanged();
}

void Form::setFocus(Control* control) {
  if (control && (!loaded_ || &control->form() != this || !canHoldFocus(*control))) return;
  Control* previous = focused_;
  focused_ = control;
  if (previous && previous != control) previous->tell(&ControlPeer::focusChanged);
  // Told even when unchanged: showing a form again puts the platform's
  // focus back where the toolkit says it is.
  if (control) control->tell(&ControlPeer::focusChanged);
}

Timer* Form::addTimer(int intervalMs) {
  timers_.push_back(std::make_unique<Timer>(intervalMs));
  return timers_.back().get();
}

void Form::setTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }

std::vector<Control*> Form::focusOrder() const {
  std::vector<Control*> order;
  for (Control* c : tabOrder_) {
    if (c->takesFocus()) order.push_back(c);
  }
  for (const auto& c : controls_) {
    if (c->takesFocus() && std::find(order.begin(), order.end(), c.get()) == order.end()) {
      order.push_back(c.get());
    }
  }
  return order;
}

Control* Form::neighbour(const Control* from, int step) const {
  const std::vector<Control*> order = focusOrder();
  const int count = static_cast<int>(order.size());
  if (count == 0) return nullptr;
  auto at = std::find(order.begin(), order.end(), from);
  int index = at == order.end() ? (step > 0 ? -1 : count) : static_cast<int>(at - order.begin());
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    if (tabStopsAt(*order[index])) return order[index];
  }
  return nullptr;
}

}  // namespace forms
