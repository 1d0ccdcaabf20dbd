// A picture box: its canvas (background and drawing) at the screen's pixel
// density, its picture on top, its children above both and clipped to it.
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"
#include "forms/qt/widget_peer.h"

namespace forms::qt {

namespace {

class PictureBoxWidget : public QWidget, public PeerWidget {
 public:
  PictureBoxWidget(PictureBox& box, QWidget* parent) : QWidget(parent), PeerWidget(box) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  void syncAppearance() override {
    auto* box = static_cast<PictureBox*>(control_);
    if (!box) return;
    if (box->mousePointer() == MousePointer::Custom && !box->mouseIcon().icon.empty()) {
      setCursor(pictureCursor(box->mouseIcon(), devicePixelRatioF()));
    } else {
      unsetCursor();
    }
    update();
  }

  void syncDrawing() override {
    stale_ = true;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    auto* box = static_cast<PictureBox*>(control_);
    if (!box) return;
    if (stale_) copyCanvas(box->canvas());
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
    if (!box->picture().empty()) drawPicture(painter, box->picture(), QPointF(0, 0));
  }
  // With the focus here (a tab stop), Tab and the other keys still go
  // through the toolkit.
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QWidget::event(event);
  }
  void mousePressEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseReleased(*this, *event); }

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
  return mirror<PictureBoxWidget>(box, parent);
}

}  // namespace forms::qt
