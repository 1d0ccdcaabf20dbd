#include "forms/qt/fonts.h"

#include <cmath>

namespace forms::qt {

namespace {

QString platformFace(const std::string& face) {
  if (face == "ＭＳ ゴシック") return QStringLiteral("IPAGothic");
  if (face == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
  return QString::fromStdString(face);
}

}  // namespace

QFont toQFont(const Font& font, double zoom) {
  QFont result(platformFace(font.face));
  result.setStyleHint(QFont::SansSerif);
  result.setPixelSize(
      std::max(1, static_cast<int>(std::lround(font.size * 20.0 / twipsPerPixel * zoom))));
  result.setBold(font.bold);
  return result;
}

QFont defaultControlFont(double zoom) { return toQFont(Font{}, zoom); }

}  // namespace forms::qt
