// What every widget mirroring a control shares: a link back to its control
// (cut when the control is destroyed, so a late Qt event touches nothing),
// and the one way real mouse and key input reaches the toolkit.
#pragma once

#include <QWidget>

#include "forms/controls.h"

class QEvent;
class QMouseEvent;

namespace forms::qt {

class PeerWidget {
 public:
  explicit PeerWidget(Control& control) : control_(&control) {}
  virtual ~PeerWidget() = default;
  PeerWidget(const PeerWidget&) = delete;
  PeerWidget& operator=(const PeerWidget&) = delete;

  Control* control() const { return control_; }
  void unlink() { control_ = nullptr; }

  // Caption, colours, font, picture or cursor changed.
  virtual void syncAppearance() = 0;
  // A picture box's drawing changed.
  virtual void syncDrawing() {}

 protected:
  // A press becomes the control's MouseDown; a left release over the widget
  // after a left press becomes its Click.
  void mousePressed(QMouseEvent& event);
  void mouseReleased(const QWidget& self, QMouseEvent& event);
  // The focus arrived here from the platform (a mouse press on a button).
  void focusArrived();

  Control* control_;

 private:
  bool leftDown_ = false;
};

// Tab, Shift+Tab, Space and the arrow keys go through Form::dispatchKey, so
// the keyboard behaves alike on every backend. Returns whether the event
// was one of them (and so is consumed).
bool routeKey(QEvent& event, Control* control);

}  // namespace forms::qt
