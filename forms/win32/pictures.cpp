#include "forms/win32/pictures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "forms/pictures.h"

namespace forms::win32 {

namespace {

// An icon or cursor from the picture's pixels: a 32-bit colour bitmap with
// its alpha, and the mask older drawing paths use (set where transparent).
HICON makeIcon(const PicturePixels& source, bool icon, int hotX, int hotY) {
  Surface colour;
  colour.resize(source.width, source.height);
  std::uint32_t* bits = colour.bits();
  if (!bits) return nullptr;
  const int maskStride = (source.width + 15) / 16 * 2;  // rows of whole WORDs
  std::vector<unsigned char> mask(static_cast<std::size_t>(maskStride) * source.height, 0);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < source.width; ++x) {
      const std::uint32_t argb = source.at(x, y);
      const bool transparent = (argb >> 24) == 0;
      bits[y * source.width + x] = transparent ? 0 : argb;
      if (transparent) mask[y * maskStride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
  }
  HBITMAP maskBitmap = CreateBitmap(source.width, source.height, 1, 1, mask.data());
  // The colour bitmap must not be selected into a DC while it is copied.
  HBITMAP colourBitmap = static_cast<HBITMAP>(GetCurrentObject(colour.dc(), OBJ_BITMAP));
  HBITMAP spare = CreateCompatibleBitmap(colour.dc(), 1, 1);
  SelectObject(colour.dc(), spare);
  ICONINFO info{};
  info.fIcon = icon;
  info.xHotspot = static_cast<DWORD>(hotX);
  info.yHotspot = static_cast<DWORD>(hotY);
  info.hbmMask = maskBitmap;
  info.hbmColor = colourBitmap;
  HICON result = CreateIconIndirect(&info);
  SelectObject(colour.dc(), colourBitmap);
  DeleteObject(spare);
  DeleteObject(maskBitmap);
  return result;
}

// The picture with each pixel covering `ratio` pixels a side.
PicturePixels scaled(const PicturePixels& source, double ratio) {
  PicturePixels result;
  result.width = static_cast<int>(std::lround(source.width * ratio));
  result.height = static_cast<int>(std::lround(source.height * ratio));
  result.argb.reserve(static_cast<std::size_t>(result.width) * result.height);
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      result.argb.push_back(source.at(std::min(source.width - 1, static_cast<int>(x / ratio)),
                                      std::min(source.height - 1, static_cast<int>(y / ratio))));
    }
  }
  return result;
}

}  // namespace

HICON iconOf(const Picture& picture) {
  static std::map<std::string, HICON> made;
  const PicturePixels& source = pixelsOf(picture);
  if (source.empty()) return nullptr;
  auto found = made.find(picture.resource);
  if (found != made.end()) return found->second;
  return made[picture.resource] = makeIcon(source, true, 0, 0);
}

HCURSOR cursorOf(const Cursor& cursor, double ratio) {
  static std::map<std::tuple<std::string, int, int, double>, HCURSOR> made;
  const PicturePixels& source = pixelsOf(cursor.icon);
  if (source.empty()) return nullptr;
  const auto key = std::make_tuple(cursor.icon.resource, cursor.hotX, cursor.hotY, ratio);
  auto found = made.find(key);
  if (found != made.end()) return found->second;
  return made[key] = makeIcon(scaled(source, ratio), false,
                              static_cast<int>(std::lround(cursor.hotX * ratio)),
                              static_cast<int>(std::lround(cursor.hotY * ratio)));
}

void drawPicture(Surface& surface, const Picture& picture, int x, int y, RECT clip, double ratio) {
  const PicturePixels& source = pixelsOf(picture);
  std::uint32_t* bits = surface.bits();
  if (source.empty() || !bits) return;
  const int width = static_cast<int>(std::lround(source.width * ratio));
  const int height = static_cast<int>(std::lround(source.height * ratio));
  const int left = std::max({x, static_cast<int>(clip.left), 0});
  const int top = std::max({y, static_cast<int>(clip.top), 0});
  const int right = std::min({x + width, static_cast<int>(clip.right), surface.width()});
  const int bottom = std::min({y + height, static_cast<int>(clip.bottom), surface.height()});
  for (int py = top; py < bottom; ++py) {
    std::uint32_t* row = bits + static_cast<std::ptrdiff_t>(py) * surface.width();
    const int sy = std::min(source.height - 1, static_cast<int>((py - y) / ratio));
    for (int px = left; px < right; ++px) {
      const int sx = std::min(source.width - 1, static_cast<int>((px - x) / ratio));
      const std::uint32_t argb = source.at(sx, sy);
      const std::uint32_t alpha = argb >> 24;
      if (alpha == 0) continue;
      if (alpha == 255) {
        row[px] = argb & 0xFFFFFF;
        continue;
      }
      // Partly transparent: blended channel by channel.
      std::uint32_t blended = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t over = (argb >> shift) & 0xFF;
        const std::uint32_t under = (row[px] >> shift) & 0xFF;
        blended |= ((over * alpha + under * (255 - alpha)) / 255) << shift;
      }
      row[px] = blended;
    }
  }
}

}  // namespace forms::win32
