// The program's pictures (icons, the cursor, the menu picture) as decoded
// pixels, the same for every backend: no backend needs an image decoder or
// a file.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/types.h"

namespace forms {

struct PicturePixels {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB, row by row from the top; alpha 0 is transparent, 255 opaque.
  std::vector<std::uint32_t> argb;
  bool empty() const { return argb.empty(); }
  std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

// The pixels of a picture compiled into the program; empty for no picture
// or an unknown name. Decoded once, kept to the end of the process.
const PicturePixels& pixelsOf(const Picture& picture);

}  // namespace forms
