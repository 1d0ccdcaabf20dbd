// Decodes the compiled pictures once, on first use.
#include "forms/pictures.h"

#include <map>
#include <string>

#include "forms/compiled_pictures.h"

namespace forms {

namespace {

int hexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

PicturePixels decode(const CompiledPicture& picture) {
  PicturePixels pixels;
  pixels.width = picture.width;
  pixels.height = picture.height;
  const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
  pixels.argb.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const int index = hexDigit(picture.pixels[2 * i]) * 16 + hexDigit(picture.pixels[2 * i + 1]);
    // An index beyond the palette would be a fault of the generated file:
    // shown transparent rather than read past the palette's end.
    pixels.argb.push_back(index < picture.paletteSize ? picture.palette[index] : 0);
  }
  return pixels;
}

}  // namespace

const PicturePixels& pixelsOf(const Picture& picture) {
  static const PicturePixels none;
  static std::map<std::string, PicturePixels> decoded;
  if (picture.empty()) return none;
  auto found = decoded.find(picture.resource);
  if (found != decoded.end()) return found->second;
  for (const CompiledPicture& compiled : compiledPictures()) {
    if (picture.resource == compiled.name) {
      return decoded.emplace(picture.resource, decode(compiled)).first->second;
    }
  }
  return none;
}

}  // namespace forms
