// The program's pictures, handed over by the core as pixels, as Qt images,
// icons and cursors.
#pragma once

#include <QCursor>
#include <QPixmap>

#include "forms/types.h"

class QPainter;

namespace forms::qt {

// The picture at its own size, rendered for the given pixel density (an
// icon is drawn smoothly at 200 %); null if there is no such picture.
QPixmap picturePixmap(const Picture& picture, qreal devicePixelRatio);

// Draws the picture with its top-left corner at `at` (logical pixels).
// `zoom` as for fonts: the picture is drawn that many times larger, smoothly.
void drawPicture(QPainter& painter, const Picture& picture, QPointF at, double zoom = 1.0);

QCursor pictureCursor(const Cursor& cursor, qreal devicePixelRatio, double zoom = 1.0);

}  // namespace forms::qt
