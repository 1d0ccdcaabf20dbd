#include "forms/win32/fonts.h"

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "forms/win32/window_peer.h"

namespace forms::win32 {

namespace {

int CALLBACK faceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool installed(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, faceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// The named face first (Japanese Windows knows it by its Japanese name,
// other Windows by its English one), then Japanese Gothic faces of later
// Windows versions and of Linux machines running Wine.
std::vector<std::wstring> candidates(const std::string& face) {
  if (face == "ＭＳ ゴシック") {
    return {L"ＭＳ ゴシック", L"MS Gothic", L"BIZ UDゴシック",
            L"BIZ UDGothic",  L"IPAGothic", L"Noto Sans Mono CJK JP"};
  }
  if (face == "ＭＳ Ｐゴシック") {
    return {L"ＭＳ Ｐゴシック", L"MS PGothic",    L"Yu Gothic UI", L"Meiryo UI",       L"Meiryo",
            L"BIZ UDPゴシック", L"BIZ UDPGothic", L"IPAPGothic",   L"Noto Sans CJK JP"};
  }
  return {wide(face)};
}

}  // namespace

std::wstring faceOf(const Font& font) {
  static std::map<std::string, std::wstring> chosen;
  auto found = chosen.find(font.face);
  if (found != chosen.end()) return found->second;
  std::wstring face;
  for (const std::wstring& candidate : candidates(font.face)) {
    if (installed(candidate)) {
      face = candidate;
      break;
    }
  }
  // None of them: the system picks a Japanese face by the character set.
  return chosen[font.face] = face;
}

HFONT fontOf(const Font& font, double ratio) {
  static std::map<std::tuple<std::string, float, bool, double>, HFONT> made;
  const auto key = std::make_tuple(font.face, font.size, font.bold, ratio);
  auto found = made.find(key);
  if (found != made.end()) return found->second;
  LOGFONTW request{};
  // Points to pixels through twips (1 pt = 20 twips), never through the
  // screen's logical DPI; negative: the character's height, not the cell's.
  request.lfHeight =
      -std::max(1, static_cast<int>(std::lround(font.size * 20.0 / twipsPerPixel * ratio)));
  request.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  request.lfCharSet = SHIFTJIS_CHARSET;
  request.lfQuality = ANTIALIASED_QUALITY;
  faceOf(font).copy(request.lfFaceName, LF_FACESIZE - 1);
  return made[key] = CreateFontIndirectW(&request);
}

HFONT defaultControlFont(double ratio) { return fontOf(Font{}, ratio); }

}  // namespace forms::win32
