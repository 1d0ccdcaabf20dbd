// The peer of one control: it owns the widget that mirrors the control and
// tells it each change the toolkit reports.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "forms/backend.h"
#include "forms/qt/peer_widget.h"

namespace forms::qt {

class WidgetPeer : public ControlPeer {
 public:
  // `widget` and `link` are the same object seen through its two bases.
  WidgetPeer(Control& control, QWidget* widget, PeerWidget* link);
  ~WidgetPeer() override;

  void geometryChanged() override;
  void visibilityChanged() override;
  void appearanceChanged() override;
  void drawingChanged() override;
  void focusChanged() override;

  QWidget* widget() const { return widget_.data(); }
  // Mirrors the whole state once, after the widget is made.
  void syncAll();

 protected:
  Control& control() const { return control_; }

 private:
  Control& control_;
  QPointer<QWidget> widget_;
  PeerWidget* link_;
};

// Makes the widget of type W that mirrors `control` under `parent`, and
// its peer, with the control's whole state mirrored once.
template <class W, class C>
std::unique_ptr<ControlPeer> mirror(C& control, QWidget* parent) {
  auto* widget = new W(control, parent);
  auto peer = std::make_unique<WidgetPeer>(control, widget, widget);
  peer->syncAll();
  return peer;
}

// Twips to whole logical pixels.
int pixels(float twips);

inline QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace forms::qt
