#include "forms/qt/fonts.h"

#include <QFontDatabase>

#include "forms/backend_support.h"

namespace forms::qt {

namespace {

bool installed(const std::string& family) {
  return QFontDatabase::hasFamily(QString::fromStdString(family));
}

}  // namespace

QFont toQFont(const Font& font, double zoom) {
  const std::string family = installedFamily(font.face, installed);
  // None of them: fontconfig picks a face for the name.
  QFont result(QString::fromStdString(family.empty() ? font.face : family));
  result.setStyleHint(QFont::SansSerif);
  result.setPixelSize(fontPixelSize(font, zoom));
  result.setBold(font.bold);
  return result;
}

QFont defaultControlFont(double zoom) { return toQFont(Font{}, zoom); }

}  // namespace forms::qt
