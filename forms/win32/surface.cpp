#include "forms/win32/surface.h"

namespace forms::win32 {

Surface::~Surface() { resize(0, 0); }

void Surface::resize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (dc_) {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
  }
  width_ = width;
  height_ = height;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as the canvas is
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) {
    width_ = height_ = 0;
    return;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(dc_, bitmap_);
}

std::uint32_t* Surface::bits() const {
  GdiFlush();
  return bits_;
}

void Surface::blitTo(HDC target) const {
  if (dc_) BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace forms::win32
