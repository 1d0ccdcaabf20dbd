// The small controls: images, command buttons, option buttons, labels,
// lines and filled rectangles.
#include "forms/controls.h"

#include <algorithm>
#include <cmath>

#include "forms/backend.h"
#include "forms/handlers.h"

namespace forms {

Image::Image(Container& parent, Rect rect, Picture picture)
    : Control(&parent, ControlKind::Image, rect), picture_(std::move(picture)) {
  attachPeer();
}

std::unique_ptr<ControlPeer> Image::makePeer(Backend& backend) {
  return backend.createImage(*this);
}

CommandButton::CommandButton(Container& parent, Rect rect, std::string caption)
    : Control(&parent, ControlKind::CommandButton, rect), caption_(std::move(caption)) {
  attachPeer();
}

void CommandButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  tell(&ControlPeer::captionChanged);
}

std::unique_ptr<ControlPeer> CommandButton::makePeer(Backend& backend) {
  return backend.createCommandButton(*this);
}

OptionButton::OptionButton(Container& parent, Rect rect, std::string caption, Color backColor,
                           bool selected)
    : Control(&parent, ControlKind::OptionButton, rect),
      caption_(std::move(caption)),
      backColor_(backColor),
      value_(selected) {
  // The layout's selection: quietly, without raising any click.
  if (selected) clearOthers();
  attachPeer();
}

void OptionButton::clearOthers() {
  for (OptionButton* other : group()) {
    if (other != this && other->value_) {
      other->value_ = false;
      other->tell(&ControlPeer::valueChanged);
    }
  }
}

void OptionButton::select() {
  clearOthers();
  value_ = true;
  tell(&ControlPeer::valueChanged);
  // Raised even when it was selected already: the program relies on it to
  // store the speed again.
  raise(onClick);
}

void OptionButton::dispatchClick() {
  if (!programEnded()) select();
}

std::vector<OptionButton*> OptionButton::group() const {
  std::vector<OptionButton*> options;
  if (!parent()) return options;
  for (Control* sibling : parent()->children()) {
    if (auto* option = dynamic_cast<OptionButton*>(sibling)) options.push_back(option);
  }
  return options;
}

std::unique_ptr<ControlPeer> OptionButton::makePeer(Backend& backend) {
  return backend.createOptionButton(*this);
}

Label::Label(Container& parent, Rect rect, std::string caption, Font font, Color foreColor)
    : Control(&parent, ControlKind::Label, rect),
      caption_(std::move(caption)),
      font_(std::move(font)),
      foreColor_(foreColor) {
  attachPeer();
}

void Label::setCaption(std::string caption) {
  caption_ = std::move(caption);
  tell(&ControlPeer::captionChanged);
}

void Label::setFont(Font font) {
  font_ = std::move(font);
  tell(&ControlPeer::fontChanged);
}

void Label::setForeColor(Color color) {
  foreColor_ = color;
  tell(&ControlPeer::coloursChanged);
}

std::unique_ptr<ControlPeer> Label::makePeer(Backend& backend) {
  return backend.createLabel(*this);
}

namespace {

Rect boundsOf(Point from, Point to) {
  return {std::min(from.x, to.x), std::min(from.y, to.y), std::fabs(to.x - from.x),
          std::fabs(to.y - from.y)};
}

}  // namespace

Line::Line(Container& parent, Point from, Point to, Color color)
    : Control(&parent, ControlKind::Line, boundsOf(from, to)), from_(from), to_(to), color_(color) {
  attachPeer();
}

std::unique_ptr<ControlPeer> Line::makePeer(Backend& backend) { return backend.createLine(*this); }

FilledRect::FilledRect(Container& parent, Rect rect, Color fillColor, bool outlined)
    : Control(&parent, ControlKind::FilledRect, rect), fillColor_(fillColor), outlined_(outlined) {
  attachPeer();
}

std::unique_ptr<ControlPeer> FilledRect::makePeer(Backend& backend) {
  return backend.createFilledRect(*this);
}

}  // namespace forms
