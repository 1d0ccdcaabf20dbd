// Images, lines and filled rectangles: drawn on their container, and
// transparent to the mouse so a press reaches what lies beneath.
#include <QPainter>

#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"
#include "forms/qt/widget_peer.h"

namespace forms::qt {

namespace {

class DrawnWidget : public QWidget, public PeerWidget {
 public:
  DrawnWidget(Control& control, QWidget* parent) : QWidget(parent), PeerWidget(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void syncAppearance() override { update(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    switch (control_->kind()) {
      case ControlKind::Image:
        drawPicture(painter, static_cast<Image*>(control_)->picture(), QPointF(0, 0));
        break;
      case ControlKind::Line:
        paintLine(painter, *static_cast<Line*>(control_));
        break;
      case ControlKind::FilledRect:
        paintFilledRect(painter, *static_cast<FilledRect*>(control_));
        break;
      default:
        break;
    }
  }

 private:
  static void paintLine(QPainter& painter, const Line& line) {
    // Ends relative to the line's own box, through pixel centres, one
    // screen pixel wide.
    const Rect box = line.rect();
    const auto at = [&](Point p) {
      return QPointF(pixels(p.x - box.left) + 0.5, pixels(p.y - box.top) + 0.5);
    };
    painter.setPen(QPen(toQColor(line.BorderColor()), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(at(line.from()), at(line.to()));
  }

  void paintFilledRect(QPainter& painter, const FilledRect& shape) const {
    painter.fillRect(rect(), toQColor(shape.FillColor()));
    if (shape.outlined()) {
      painter.setPen(QPen(Qt::black, 1.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
  }
};

}  // namespace

std::unique_ptr<ControlPeer> makeDrawnPeer(Control& control, QWidget* parent) {
  return mirror<DrawnWidget>(control, parent);
}

}  // namespace forms::qt
