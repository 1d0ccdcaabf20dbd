#include "forms/qt/pictures.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <cmath>

#include "forms/pictures.h"

namespace forms::qt {

namespace {

QPixmap makePixmap(const Picture& picture, qreal ratio) {
  const PicturePixels& source = pixelsOf(picture);
  if (source.empty()) return QPixmap();
  QImage image(source.width, source.height, QImage::Format_ARGB32);
  for (int y = 0; y < source.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < source.width; ++x) line[x] = source.at(x, y);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  if (ratio == 1.0) return pixmap;
  // On a 200 % screen the picture keeps its size and is scaled smoothly,
  // not blown up into blocks.
  QPixmap scaled =
      pixmap.scaled(pixmap.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  return scaled;
}

}  // namespace

QPixmap picturePixmap(const Picture& picture, qreal devicePixelRatio) {
  if (picture.empty()) return QPixmap();
  const QString key = QStringLiteral("velmora:%1@%2")
                          .arg(QString::fromStdString(picture.resource))
                          .arg(devicePixelRatio);
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = makePixmap(picture, devicePixelRatio);
    if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
  }
  return pixmap;
}

void drawPicture(QPainter& painter, const Picture& picture, QPointF at, double zoom) {
  const QPixmap pixmap = picturePixmap(picture, painter.device()->devicePixelRatioF() * zoom);
  if (pixmap.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(at, pixmap.deviceIndependentSize() * zoom), pixmap,
                     QRectF(pixmap.rect()));
  painter.restore();
}

QCursor pictureCursor(const Cursor& cursor, qreal devicePixelRatio, double zoom) {
  QPixmap pixmap = picturePixmap(cursor.icon, devicePixelRatio * zoom);
  if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
  // The hot spot is in icon pixels, which are logical pixels here; in full
  // screen the cursor grows with the window.
  if (zoom == 1.0) return QCursor(pixmap, cursor.hotX, cursor.hotY);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return QCursor(pixmap, static_cast<int>(std::lround(cursor.hotX * zoom)),
                 static_cast<int>(std::lround(cursor.hotY * zoom)));
}

}  // namespace forms::qt
