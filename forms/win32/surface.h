// A 32-bit top-down DIB section with its own memory DC: pixels GDI draws
// on and the backend writes directly (0x00RRGGBB), blitted on paint.
#pragma once

#include <windows.h>

#include <cstdint>

namespace forms::win32 {

class Surface {
 public:
  Surface() = default;
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // Keeps the pixels when the size is unchanged; a new size starts black.
  void resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  HDC dc() const { return dc_; }
  // The pixels, row by row from the top, after GDI has finished drawing.
  std::uint32_t* bits() const;
  void blitTo(HDC target) const;

 private:
  int width_ = 0;
  int height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace forms::win32
