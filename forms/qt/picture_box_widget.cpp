// A picture box: its canvas (background and drawing) at the form's pixel
// density, its picture on top, its children above both and clipped to it.
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <bit>
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

  void cursorChanged() override {
    if (box()->mousePointer() == MousePointer::Custom && !box()->mouseIcon().icon.empty()) {
      setCursor(pictureCursor(box()->mouseIcon(), devicePixelRatioF(), zoom()));
    } else {
      unsetCursor();
    }
  }
  void pictureChanged() override { update(); }
  // Repaints only the screen area of the pixels the canvas changed: a heat
  // tick touches the ring the front grew by, not the whole metal.
  void drawingChanged() override {
    const double ratio = devicePixelRatioF();
    if (!canvasFits()) {
      // Drawn stretched (below): a changed area lands a little elsewhere.
      box()->takeChangedAreas();
      update();
      return;
    }
    for (const PixelArea& area : box()->takeChangedAreas()) {
      const QPoint topLeft(static_cast<int>(std::floor(area.left / ratio)),
                           static_cast<int>(std::floor(area.top / ratio)));
      const QPoint bottomRight(static_cast<int>(std::ceil(area.right / ratio)) - 1,
                               static_cast<int>(std::ceil(area.bottom / ratio)) - 1);
      update(QRect(topLeft, bottomRight));
    }
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!control_) return;
    QPainter painter(this);
    const Canvas& canvas = box()->canvas();
    if (canvasFits()) {
      for (const QRect& rect : event->region()) drawCanvas(painter, rect);
    } else {
      // Full screen on a scaled desktop: the widget stands on whole
      // logical pixels, a device pixel wider or narrower than the canvas
      // the core snapped; the canvas covers it whole, so no strip of it
      // is left unpainted between two pieces.
      const QImage whole(reinterpret_cast<const uchar*>(canvas.pixels().data()), canvas.width(),
                         canvas.height(), canvas.width() * 4, QImage::Format_RGBX8888);
      painter.drawImage(QRectF(rect()), whole);
    }
    if (!box()->picture().empty()) {
      drawPicture(painter, box()->picture(), pictureCorner(), zoom());
    }
  }
  // With the focus here (a tab stop), Tab and the other keys still go
  // through the toolkit.
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QWidget::event(event);
  }
  void mousePressEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseButton(*event, false); }

 private:
  // The canvas's pixels under a rectangle of the widget. Its 0x00BBGGRR
  // words are, in memory, the bytes red, green, blue and one unused: Qt
  // reads them as they lie, and only those being repainted.
  // The canvas has a pixel for each device pixel of the widget.
  bool canvasFits() const {
    const double ratio = devicePixelRatioF();
    return std::lround(width() * ratio) == box()->canvas().width() &&
           std::lround(height() * ratio) == box()->canvas().height();
  }

  // Where the box's own corner lies in the widget: the widget stands on
  // whole logical pixels, its corner on the device pixel the core snapped
  // it to, so a marker is centred on the pointer at 125 % too.
  QPointF pictureCorner() const {
    const Form& form = box()->form();
    const double ratio = devicePixelRatioF();
    const Point at = box()->clientPosition();
    const QPointF exact(
        (form.clientLeft() + std::lround(at.x / twipsPerPixel * form.pixelRatio())) / ratio,
        (form.clientTop() + std::lround(at.y / twipsPerPixel * form.pixelRatio())) / ratio);
    return exact - QPointF(mapTo(window(), QPoint(0, 0)));
  }

  // The canvas's pixels are the screen's own device pixels, at whatever
  // ratio the form is shown.
  void drawCanvas(QPainter& painter, const QRect& rect) {
    static_assert(std::endian::native == std::endian::little);
    const Canvas& canvas = box()->canvas();
    const double ratio = devicePixelRatioF();
    const int left = std::max(0, static_cast<int>(std::floor(rect.left() * ratio)));
    const int top = std::max(0, static_cast<int>(std::floor(rect.top() * ratio)));
    const int right =
        std::min(canvas.width(), static_cast<int>(std::ceil((rect.right() + 1) * ratio)));
    const int bottom =
        std::min(canvas.height(), static_cast<int>(std::ceil((rect.bottom() + 1) * ratio)));
    if (right <= left || bottom <= top) return;
    const Color* first =
        canvas.pixels().data() + static_cast<std::ptrdiff_t>(top) * canvas.width() + left;
    QImage part(reinterpret_cast<const uchar*>(first), right - left, bottom - top,
                canvas.width() * 4, QImage::Format_RGBX8888);
    part.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(left / ratio, top / ratio), part);
  }
};

}  // namespace

std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, QWidget* parent) {
  return makeWidgetPeer<PictureBoxWidget>(box, parent);
}

}  // namespace forms::qt
