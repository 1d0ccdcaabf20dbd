#include "forms/win32/fonts.h"

#include <map>
#include <tuple>

#include "forms/backend_support.h"
#include "forms/win32/window_peer.h"

namespace forms::win32 {

namespace {

int CALLBACK faceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool installed(const std::string& family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wide(family).copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, faceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

// None of the faces the request may be drawn with: the system picks a
// Japanese face by the character set.
std::wstring faceOf(const Font& font) { return wide(installedFamily(font.face, installed)); }

HFONT fontOf(const Font& font, double ratio) {
  static std::map<std::tuple<std::string, float, bool, double>, HFONT> made;
  const auto key = std::make_tuple(font.face, font.size, font.bold, ratio);
  auto found = made.find(key);
  if (found != made.end()) return found->second;
  LOGFONTW request{};
  // Negative: the character's height, not the cell's.
  request.lfHeight = -fontPixelSize(font, ratio);
  request.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  request.lfCharSet = SHIFTJIS_CHARSET;
  request.lfQuality = ANTIALIASED_QUALITY;
  faceOf(font).copy(request.lfFaceName, LF_FACESIZE - 1);
  return made[key] = CreateFontIndirectW(&request);
}

HFONT defaultControlFont(double ratio) { return fontOf(Font{}, ratio); }

}  // namespace forms::win32
