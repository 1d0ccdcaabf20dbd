// The Qt side of one control: a widget (a QWidget, QPushButton or
// QRadioButton) that also derives from ControlWidget, and the peer the core
// holds, which passes each message on to it. Each widget shows what the
// control holds; real input goes back to the core, which decides.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "forms/backend.h"
#include "forms/backend_support.h"
#include "forms/controls.h"

class QEvent;
class QMouseEvent;

namespace forms::qt {

class ControlWidget {
 public:
  ControlWidget(Control& control, QWidget& self) : control_(&control), self_(self) {}
  virtual ~ControlWidget() = default;
  ControlWidget(const ControlWidget&) = delete;
  ControlWidget& operator=(const ControlWidget&) = delete;

  // Null once the control is gone: a late Qt event then touches nothing.
  Control* control() const { return control_; }
  void unlink() { control_ = nullptr; }

  // One handler per message of the core; the first two and the focus do
  // the same for every widget, the rest only where a kind has them.
  virtual void geometryChanged();
  virtual void visibilityChanged();
  virtual void raised() {}
  virtual void captionChanged() {}
  virtual void coloursChanged() {}
  virtual void fontChanged() {}
  virtual void pictureChanged() {}
  virtual void cursorChanged() {}
  virtual void valueChanged() {}
  virtual void drawingChanged() {}
  virtual void focusChanged();
  virtual void overlayChanged() {}
  virtual void screenModeChanged() {}
  // The accessible name and description; a form names its window by the caption.
  virtual void accessibleChanged();
  virtual void announced() {}
  // How many times larger than its logical size the form is shown: its
  // pixel ratio over the screen's (full screen), 1 in its own window.
  double zoom() const;

 protected:
  // A press or release on this widget goes to the form at that point of
  // its client area: the core finds the control there.
  void mouseButton(const QMouseEvent& event, bool press);

  Control* control_;
  QWidget& self_;

 private:
  double shownZoom_ = 1.0;
};

// The Qt key of each key the toolkit handles.
int qtKeyOf(Key key);

// The keys the toolkit handles go to the core (forms::keyArrived), so the
// keyboard behaves alike on every backend. Returns whether the event was
// one of them (and so is consumed).
bool routeKey(QEvent& event, Control* control);

// The peer the core holds: it owns the widget and passes every message on.
class WidgetPeer : public ControlPeer {
 public:
  explicit WidgetPeer(QWidget* widget, ControlWidget* shown) : widget_(widget), shown_(shown) {}
  ~WidgetPeer() override;

  void geometryChanged() override { pass(&ControlWidget::geometryChanged); }
  void visibilityChanged() override { pass(&ControlWidget::visibilityChanged); }
  void raised() override { pass(&ControlWidget::raised); }
  void captionChanged() override { pass(&ControlWidget::captionChanged); }
  void coloursChanged() override { pass(&ControlWidget::coloursChanged); }
  void fontChanged() override { pass(&ControlWidget::fontChanged); }
  void pictureChanged() override { pass(&ControlWidget::pictureChanged); }
  void cursorChanged() override { pass(&ControlWidget::cursorChanged); }
  void valueChanged() override { pass(&ControlWidget::valueChanged); }
  void drawingChanged() override { pass(&ControlWidget::drawingChanged); }
  void focusChanged() override { pass(&ControlWidget::focusChanged); }
  void overlayChanged() override { pass(&ControlWidget::overlayChanged); }
  void screenModeChanged() override { pass(&ControlWidget::screenModeChanged); }
  void accessibleChanged() override { pass(&ControlWidget::accessibleChanged); }
  void announced() override { pass(&ControlWidget::announced); }

  QWidget* widget() const { return widget_.data(); }

 private:
  void pass(void (ControlWidget::*show)()) {
    if (widget_) (shown_->*show)();
  }
  QPointer<QWidget> widget_;
  ControlWidget* shown_;
};

// Makes the widget of type W that shows `control` under `parent`, and its
// peer, with the control's whole state shown once.
template <class W, class C>
std::unique_ptr<ControlPeer> makeWidgetPeer(C& control, QWidget* parent) {
  auto* widget = new W(control, parent);
  auto peer = std::make_unique<WidgetPeer>(widget, widget);
  showAll(*peer);
  return peer;
}

// Twips to whole logical pixels.
int pixels(float twips);

// The form's client area in its widget, in logical pixels: where full
// screen centres it (the whole widget otherwise).
QPointF clientOrigin(const Form& form, qreal devicePixelRatio);

inline QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace forms::qt
