// A picture box: its canvas (background and drawing) at the form's pixel
// density, its picture on top, its children above both and clipped to it.
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

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
  // Copies only the pixels the canvas changed and repaints only their
  // screen area: a heat tick touches the ring the front grew by.
  void showDrawing() override {
    const PixelArea area = copyCanvas();
    if (area.empty()) return;
    const double ratio = image_.devicePixelRatio();
    const int left = static_cast<int>(std::floor(area.left / ratio));
    const int top = static_cast<int>(std::floor(area.top / ratio));
    update(QRect(QPoint(left, top), QPoint(static_cast<int>(std::ceil(area.right / ratio)) - 1,
                                           static_cast<int>(std::ceil(area.bottom / ratio)) - 1)));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
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
  // A new size or density takes the whole canvas.
  PixelArea copyCanvas() {
    const Canvas& canvas = box()->canvas();
    PixelArea area = box()->takeChangedArea();
    if (image_.width() != canvas.width() || image_.height() != canvas.height() ||
        image_.devicePixelRatio() != canvas.devicePixelRatio()) {
      image_ = QImage(canvas.width(), canvas.height(), QImage::Format_RGB32);
      image_.setDevicePixelRatio(canvas.devicePixelRatio());
      area = PixelArea{0, 0, canvas.width(), canvas.height()};
    }
    for (int y = area.top; y < area.bottom; ++y) {
      const Color* source = canvas.pixels().data() + static_cast<std::ptrdiff_t>(y) * canvas.width();
      auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
      // 0x00BBGGRR to 0xFFRRGGBB: red and blue change places.
      for (int x = area.left; x < area.right; ++x) {
        const Color c = source[x];
        line[x] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
      }
    }
    return area;
  }

  QImage image_;
};

}  // namespace

std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, QWidget* parent) {
  return makeWidgetPeer<PictureBoxWidget>(box, parent);
}

}  // namespace forms::qt
