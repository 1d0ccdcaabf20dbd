// Images, lines and filled rectangles: drawn on their container, and
// transparent to the mouse, so the press goes to the widget beneath, whose
// form finds the control there.
#include <QPainter>

#include "forms/qt/control_widget.h"
#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"

namespace forms::qt {

namespace {

class DrawnWidget : public QWidget, public ControlWidget {
 public:
  DrawnWidget(Control& control, QWidget* parent) : QWidget(parent), ControlWidget(control, *this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    paint(painter);
  }
  virtual void paint(QPainter& painter) = 0;
};

class ImageWidget : public DrawnWidget {
 public:
  ImageWidget(Image& image, QWidget* parent) : DrawnWidget(image, parent) {}
  void pictureChanged() override { update(); }

 protected:
  void paint(QPainter& painter) override {
    drawPicture(painter, static_cast<Image*>(control_)->picture(), QPointF(0, 0), zoom());
  }
};

class LineWidget : public DrawnWidget {
 public:
  LineWidget(Line& line, QWidget* parent) : DrawnWidget(line, parent) {}

 protected:
  void paint(QPainter& painter) override {
    // Ends relative to the line's own box, through pixel centres, one
    // screen pixel wide.
    const Line& line = *static_cast<Line*>(control_);
    const Rect box = line.rect();
    const double scale = zoom();
    const auto at = [&](Point p) {
      return QPointF((pixels(p.x - box.left) + 0.5) * scale, (pixels(p.y - box.top) + 0.5) * scale);
    };
    painter.setPen(QPen(toQColor(line.borderColor()), scale, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(at(line.from()), at(line.to()));
  }
};

class FilledRectWidget : public DrawnWidget {
 public:
  FilledRectWidget(FilledRect& shape, QWidget* parent) : DrawnWidget(shape, parent) {}

 protected:
  void paint(QPainter& painter) override {
    const FilledRect& shape = *static_cast<FilledRect*>(control_);
    painter.fillRect(rect(), toQColor(shape.fillColor()));
    if (shape.outlined()) {
      const double half = zoom() / 2;
      painter.setPen(QPen(Qt::black, 2 * half));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
  }
};

}  // namespace

std::unique_ptr<ControlPeer> makeImagePeer(Image& image, QWidget* parent) {
  return makeWidgetPeer<ImageWidget>(image, parent);
}

std::unique_ptr<ControlPeer> makeLinePeer(Line& line, QWidget* parent) {
  return makeWidgetPeer<LineWidget>(line, parent);
}

std::unique_ptr<ControlPeer> makeFilledRectPeer(FilledRect& shape, QWidget* parent) {
  return makeWidgetPeer<FilledRectWidget>(shape, parent);
}

}  // namespace forms::qt
