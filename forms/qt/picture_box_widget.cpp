// A picture box: its canvas (background and drawing) at the form's pixel
// density, its picture on top, its children above both and clipped to it.
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "forms/qt/control_widget.h"
#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"

namespace forms::qt {

namespace {

class PictureBoxWidget : public QWidget, public ControlWidget {
 public:
  PictureBoxWidget(PictureBox& box, QWidget* parent) : QWidget(parent), ControlWidget(box, *this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  PictureBox* box() const { return static_cast<PictureBox*>(control_); }

  void showCursor() override {
    if (box()->mousePointer() == MousePointer::Custom && !box()->mouseIcon().icon.empty()) {
      setCursor(pictureCursor(box()->mouseIcon(), devicePixelRatioF()));
    } else {
      unsetCursor();
    }
  }
  void showPicture() override { update(); }
  void showDrawing() override {
    stale_ = true;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    if (stale_) copyCanvas(box()->canvas());
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
    if (!box()->picture().empty()) drawPicture(painter, box()->picture(), QPointF(0, 0));
  }
  // With the focus here (a tab stop), Tab and the other keys still go
  // through the toolkit.
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QWidget::event(event);
  }
  void mousePressEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseReleased(*event); }

 private:
  void copyCanvas(const Canvas& canvas) {
    if (image_.width() != canvas.width() || image_.height() != canvas.height()) {
      image_ = QImage(canvas.width(), canvas.height(), QImage::Format_RGB32);
    }
    image_.setDevicePixelRatio(canvas.devicePixelRatio());
    const Color* source = canvas.pixels().data();
    for (int y = 0; y < canvas.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
      for (int x = 0; x < canvas.width(); ++x, ++source) {
        line[x] = qRgb(redOf(*source), greenOf(*source), blueOf(*source));
      }
    }
    stale_ = false;
  }

  QImage image_;
  bool stale_ = true;
};

}  // namespace

std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, QWidget* parent) {
  return makeWidgetPeer<PictureBoxWidget>(box, parent);
}

}  // namespace forms::qt
