// The pictures compiled into the program as pixels, written by
// resources/draw_pictures.py together with the pictures themselves: a
// palette of 0xAARRGGBB colours and two hex digits (a palette index) per
// pixel, row by row from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace forms {

struct CompiledPicture {
  const char* name;  // the picture's file name, as the layouts name it
  int width;
  int height;
  const std::uint32_t* palette;
  int paletteSize;
  const char* pixels;
};

const std::vector<CompiledPicture>& compiledPictures();

}  // namespace forms
