#include "forms/qt/pictures.h"

#include <QIcon>
#include <QPainter>
#include <QPixmapCache>

#include "forms/qt/widgets.h"

namespace forms::qt {

const char* pictureResourcePrefix() { return ":/pictures/"; }

namespace {

QString resourcePath(const Picture& picture) {
  return QString::fromLatin1(pictureResourcePrefix()) + QString::fromStdString(picture.resource);
}

QPixmap loadPixmap(const Picture& picture, qreal ratio) {
  const QString path = resourcePath(picture);
  QPixmap pixmap;
  if (path.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive)) {
    // An icon file may hold several sizes: its own size is the largest.
    QIcon icon(path);
    QSize natural;
    for (const QSize& size : icon.availableSizes()) {
      if (size.width() * size.height() > natural.width() * natural.height()) natural = size;
    }
    if (natural.isEmpty()) return QPixmap();
    pixmap = icon.pixmap(natural);
  } else {
    pixmap = QPixmap(path);
  }
  if (pixmap.isNull() || ratio == 1.0) return pixmap;
  // On a 200 % screen the picture keeps its size and is scaled smoothly,
  // not blown up into blocks.
  const QSize natural = pixmap.size();
  QPixmap scaled = pixmap.scaled(natural * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
    pixmap = loadPixmap(picture, devicePixelRatio);
    if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
  }
  return pixmap;
}

void drawPicture(QPainter& painter, const Picture& picture, QPointF at) {
  const QPixmap pixmap = picturePixmap(picture, painter.device()->devicePixelRatioF());
  if (pixmap.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(at, pixmap.deviceIndependentSize()), pixmap, QRectF(pixmap.rect()));
  painter.restore();
}

QCursor pictureCursor(const Cursor& cursor, qreal devicePixelRatio) {
  const QPixmap pixmap = picturePixmap(cursor.icon, devicePixelRatio);
  if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
  // The hot spot is in icon pixels, which are logical pixels here.
  return QCursor(pixmap, cursor.hotX, cursor.hotY);
}

}  // namespace forms::qt
