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

// The picture's colour at device pixel (px, py) of a copy `ratio` times
// its size: its own pixel at 100 %, otherwise smoothly between the four
// nearest (with their transparency), so an enlarged marker has soft
// edges instead of blocks.
std::uint32_t sampled(const PicturePixels& source, int px, int py, double ratio) {
  if (ratio == 1.0)
    return source.at(std::min(px, source.width - 1), std::min(py, source.height - 1));
  const double sx = std::clamp((px + 0.5) / ratio - 0.5, 0.0, source.width - 1.0);
  const double sy = std::clamp((py + 0.5) / ratio - 0.5, 0.0, source.height - 1.0);
  const int x0 = static_cast<int>(sx);
  const int y0 = static_cast<int>(sy);
  const int x1 = std::min(x0 + 1, source.width - 1);
  const int y1 = std::min(y0 + 1, source.height - 1);
  const double fx = sx - x0;
  const double fy = sy - y0;
  const std::uint32_t corners[4] = {source.at(x0, y0), source.at(x1, y0), source.at(x0, y1),
                                    source.at(x1, y1)};
  const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
  // Colours weighted by their opacity, so a transparent neighbour lends
  // no colour of its own to the edge.
  double alpha = 0, channels[3] = {0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    const double a = (corners[i] >> 24) * weights[i];
    alpha += a;
    for (int c = 0; c < 3; ++c) channels[c] += ((corners[i] >> (8 * c)) & 0xFF) * a;
  }
  if (alpha < 0.5) return 0;
  std::uint32_t result = static_cast<std::uint32_t>(std::lround(alpha)) << 24;
  for (int c = 0; c < 3; ++c) {
    result |= static_cast<std::uint32_t>(std::lround(channels[c] / alpha)) << (8 * c);
  }
  return result;
}

// The picture `ratio` times its size, smoothly.
PicturePixels scaled(const PicturePixels& source, double ratio) {
  PicturePixels result;
  result.width = static_cast<int>(std::lround(source.width * ratio));
  result.height = static_cast<int>(std::lround(source.height * ratio));
  result.argb.reserve(static_cast<std::size_t>(result.width) * result.height);
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) result.argb.push_back(sampled(source, x, y, ratio));
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
    for (int px = left; px < right; ++px) {
      const std::uint32_t argb = sampled(source, px - x, py - y, ratio);
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
