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

CommandButton::CommandButton(Container& parent, Rect rect, std::string caption)
    : Control(&parent, ControlKind::CommandButton, rect), caption_(std::move(caption)) {
  attachPeer();
}

void CommandButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  notifyAppearance();
}

OptionButton::OptionButton(Container& parent, Rect rect, std::string caption, Color backColor,
                           bool selected)
    : Control(&parent, ControlKind::OptionButton, rect),
      caption_(std::move(caption)),
      backColor_(backColor),
      value_(selected) {
  // The layout's selection: quietly, without raising any click.
  if (selected) {
    for (OptionButton* other : group()) {
      if (other != this && other->value_) {
        other->value_ = false;
        other->notifyAppearance();
      }
    }
  }
  attachPeer();
}

void OptionButton::select() {
  for (OptionButton* other : group()) {
    if (other != this && other->value_) {
      other->value_ = false;
      other->notifyAppearance();
    }
  }
  value_ = true;
  notifyAppearance();
  // Raised even when it was selected already: the program relies on it to
  // store the speed again.
  raise(onClick);
}

std::vector<OptionButton*> OptionButton::group() const {
  std::vector<OptionButton*> options;
  if (!parent()) return options;
  for (Control* sibling : parent()->children()) {
    if (sibling->kind() == ControlKind::OptionButton) {
      options.push_back(static_cast<OptionButton*>(sibling));
    }
  }
  return options;
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
  notifyAppearance();
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

FilledRect::FilledRect(Container& parent, Rect rect, Color fillColor, bool outlined)
    : Control(&parent, ControlKind::FilledRect, rect), fillColor_(fillColor), outlined_(outlined) {
  attachPeer();
}

}  // namespace forms
