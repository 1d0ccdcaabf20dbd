// The controls the windows are built from. Each control keeps its own
// state (geometry in twips, colours, captions, visibility); a backend peer
// only mirrors that state on the screen and turns real input into calls of
// the dispatch functions below, the same ones the tests call.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/canvas.h"
#include "forms/types.h"

namespace forms {

class Backend;
class ControlPeer;
class TimerPeer;
class Container;
class Form;

enum class ControlKind {
  Form,
  PictureBox,
  Image,
  CommandButton,
  OptionButton,
  Label,
  Line,
  FilledRect,
};

// Windowless controls are painted on their container, beneath every
// windowed control (picture box, button, option) of the same container.
constexpr bool isWindowless(ControlKind kind) {
  return kind == ControlKind::Image || kind == ControlKind::Label || kind == ControlKind::Line ||
         kind == ControlKind::FilledRect;
}

// What a control is to a screen reader, worked out by the core so every
// backend tells the platform the same thing.
enum class AccessibleRole {
  None,         // decoration, or a container with nothing to say
  Window,       // a form
  Button,       // a command button, and a picture box the keyboard presses
  RadioButton,  // an option button
  Picture,      // a named picture or picture box that takes no focus
  Text,         // a label
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }

  // A form's Width and Height are its outer size: the client area plus
  // the layout's fixed frame, the same through a Control& as a Form&.
  float left() const { return rect_.left; }
  float top() const { return rect_.top; }
  float width() const { return rect_.width; }
  float height() const { return rect_.height; }
  void setLeft(float left);
  void setTop(float top);
  void move(Rect rect);
  Rect rect() const { return rect_; }
  // The control's top-left corner in its form's client area, in twips.
  Point clientPosition() const;
  // The control's rectangle in device pixels of its container, at its
  // form's pixel ratio (a form: its client area). Each edge is snapped
  // once, from where it lies in the form's client area, so controls that
  // meet at an edge in twips meet at the same device pixel at any ratio,
  // fractional ones too: no seam, no gap, whatever the backend.
  PixelArea deviceRect() const;

  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // Lines, filled rectangles and images take no input: a press on them
  // reaches the control beneath.
  virtual bool takesInput() const { return true; }
  // Buttons, option buttons and picture boxes that are tab stops can hold
  // the keyboard focus.
  virtual bool takesFocus() const { return false; }

  Container* parent() const { return parent_; }
  Form& form() const;

  // What a screen reader says of the control: a short name and, where it
  // helps, a description; a button or option without a name is read by
  // its caption. Each backend hands them to the platform's accessibility.
  const std::string& accessibleName() const { return accessibleName_; }
  void setAccessibleName(std::string name);
  const std::string& accessibleDescription() const { return accessibleDescription_; }
  void setAccessibleDescription(std::string description);
  AccessibleRole accessibleRole() const;

  // Mouse and click input on this very control, from a test or from a
  // system button's own click; real presses on a form go through
  // Form::pressAt, which finds the control first.
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void()> onClick;
  void dispatchMouseDown(const MouseEvent& event);
  // A click by the user (an option button: the user selects it).
  virtual void dispatchClick();

  ControlPeer* peer() const { return peer_.get(); }

 protected:
  Control(Container* parent, ControlKind kind, Rect rect);
  // Called by the most derived constructor once the state is complete.
  void attachPeer();
  // Tells the peer, if any, one thing that changed.
  void tell(void (ControlPeer::*message)());
  // Moved, resized, or the form's pixel ratio changed: its device pixels
  // are snapped again (a picture box fits its canvas to them).
  virtual void edgesChanged() {}
  // Tells the peer and everything inside the control that its edges moved.
  void snapAgain();

 private:
  friend class Container;
  friend class Form;
  // The backend's one call for this kind of control.
  virtual std::unique_ptr<ControlPeer> makePeer(Backend& backend) = 0;
  Container* parent_;
  ControlKind kind_;
  Rect rect_;
  bool visible_ = true;
  std::string accessibleName_;
  std::string accessibleDescription_;
  std::unique_ptr<ControlPeer> peer_;
};

// A control that holds children (a form or a picture box). It does not own
// them; the form does (see Form::add).
class Container : public Control {
 public:
  ~Container() override;
  const std::vector<Control*>& children() const { return children_; }
  // The control a point (this container's coordinates) belongs to, for
  // real and injected input alike: the topmost visible child there that
  // takes input (windowed controls above windowless ones, later above
  // earlier), searched into picture boxes; this container if none. A
  // rectangle holds its left and top edges, not its right and bottom ones.
  Control* hitTest(float x, float y);

 protected:
  using Control::Control;

 private:
  friend class Control;
  std::vector<Control*> children_;  // creation order = stacking order
};

// A picture box: a piece of metal, a marker, a menu picture button.
// What is drawn on it lives in its own off-screen canvas, so it survives
// repaints and tests can read it back.
class PictureBox : public Container {
 public:
  PictureBox(Container& parent, Rect rect);

  Color backColor() const { return backColor_; }
  // Setting the background colour erases everything drawn.
  void setBackColor(Color color);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color color) { foreColor_ = color; }
  Color fillColor() const { return fillColor_; }
  void setFillColor(Color color) { fillColor_ = color; }

  const Picture& picture() const { return picture_; }
  void setPicture(Picture picture);

  MousePointer mousePointer() const { return pointer_; }
  void setMousePointer(MousePointer pointer);
  const Cursor& mouseIcon() const { return mouseIcon_; }
  void setMouseIcon(Cursor cursor);

  // A tab stop takes its turn of the keyboard focus (Space does nothing on
  // it). Off by default: markers and picture buttons are passed over.
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop);
  bool takesFocus() const override { return tabStop_; }

  // Where the keyboard aims on the box (its own twips): the centre until an
  // arrow key moves it. A box that shows a custom cursor is aimed at: with
  // the focus on it, the arrows move the aim and Enter or Space press there.
  Point aim() const;
  bool aimed() const { return pointer_ == MousePointer::Custom && !mouseIcon_.icon.empty(); }
  // Moves the aim by (dx, dy) twips, kept on the box's pixels.
  void moveAim(float dx, float dy);

  // A circle with a one-pixel rim in ForeColor and a solid inside in
  // FillColor, centre and radius in twips, clipped to the box.
  void drawCircle(float x, float y, float radius);

  const Canvas& canvas() const { return canvas_; }
  // For its peer: the areas of the canvas changed since the peer last asked.
  std::vector<PixelArea> takeChangedAreas() { return canvas_.takeChangedAreas(); }
  // Colour seen at a point of the box (twips): what is drawn on the canvas,
  // not its children.
  Color pixelAt(float x, float y) const;

 protected:
  void edgesChanged() override;

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  // The canvas takes the box's device pixels; at another density or
  // another rounding of its edges the drawing is drawn again. Returns
  // whether anything changed.
  bool fitCanvas();

  Color backColor_ = rgb(255, 255, 255);
  Color foreColor_ = rgb(0, 0, 0);
  Color fillColor_ = rgb(0, 0, 0);
  Picture picture_;
  MousePointer pointer_ = MousePointer::Default;
  Cursor mouseIcon_;
  bool tabStop_ = false;
  bool aimMoved_ = false;
  Point aim_;
  Canvas canvas_;
};

// A windowless picture on its container, beneath every picture box.
class Image : public Control {
 public:
  Image(Container& parent, Rect rect, Picture picture);
  const Picture& picture() const { return picture_; }
  bool takesInput() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  Picture picture_;
};

class CommandButton : public Control {
 public:
  CommandButton(Container& parent, Rect rect, std::string caption);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool takesFocus() const override { return true; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  std::string caption_;
};

// Option buttons with the same parent form one group: selecting one clears
// the others.
class OptionButton : public Control {
 public:
  // `selected` is the layout's initial state; building raises no click.
  OptionButton(Container& parent, Rect rect, std::string caption, Color backColor,
               bool selected = false);
  const std::string& caption() const { return caption_; }
  Color backColor() const { return backColor_; }
  bool value() const { return value_; }
  // Selecting in code (or by the user) raises onClick, even when the
  // option was already selected.
  void select();
  // The user's click selects.
  void dispatchClick() override;
  bool takesFocus() const override { return true; }
  // The other options of this one's group, in creation order, itself included.
  std::vector<OptionButton*> group() const;

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  // The group's other options are cleared quietly.
  void clearOthers();
  std::string caption_;
  Color backColor_;
  bool value_;
};

class Label : public Control {
 public:
  Label(Container& parent, Rect rect, std::string caption, Font font = {},
        Color foreColor = systemColor(8));
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  const Font& font() const { return font_; }
  void setFont(Font font);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color color);

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  std::string caption_;
  Font font_;
  Color foreColor_;
};

// A straight line drawn on its container; takes no input.
class Line : public Control {
 public:
  Line(Container& parent, Point from, Point to, Color color);
  Point from() const { return from_; }
  Point to() const { return to_; }
  Color borderColor() const { return color_; }
  bool takesInput() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  Point from_;
  Point to_;
  Color color_;
};

// A filled rectangle drawn on its container, with or without a thin dark
// outline; takes no input.
class FilledRect : public Control {
 public:
  FilledRect(Container& parent, Rect rect, Color fillColor, bool outlined);
  Color fillColor() const { return fillColor_; }
  bool outlined() const { return outlined_; }
  bool takesInput() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  Color fillColor_;
  bool outlined_;
};

// A timer on the toolkit's clock (real, or virtual in tests). It belongs to
// a form and dies with the form's controls.
class Timer {
 public:
  explicit Timer(int intervalMs = 50);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  // Enabling an enabled timer changes nothing; disabling then enabling
  // restarts the interval.
  void setEnabled(bool enabled);

  std::function<void()> onTimer;
  void fire();  // one tick: called by the clock

  std::uint64_t serial() const { return serial_; }  // creation order

 private:
  int interval_;
  bool enabled_ = false;
  std::uint64_t serial_;
};

}  // namespace forms
