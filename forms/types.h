// The small vocabulary every window is written in: twips, colours as
// 0x00BBGGRR, fonts by face name, pictures by resource name, input events.
// Plain C++ only, so the heat model and the layouts can use it anywhere.
#pragma once

#include <cstdint>
#include <string>

namespace forms {

// Lengths are twips (1/1440 inch), single precision like the mouse
// coordinates and control geometry the windows read.
constexpr float twipsPerPixel = 15.0f;
// Every form has the same fixed single frame, whatever the desktop draws.
constexpr float frameTwips = 45.0f;

struct Rect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

struct Point {
  float x = 0;
  float y = 0;
};

// 0x00BBGGRR, as the layouts are written.
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

// System colours by index come from one fixed palette, the light classic
// scheme the layouts were drawn for, never from the live theme: a dark
// theme would otherwise put black menu text on a black background.
constexpr Color systemColor(int index) {
  switch (index) {
    case 8:
      return rgb(0, 0, 0);  // window text
    case 17:
      return rgb(128, 128, 128);  // grey text
    case 19:
      return rgb(212, 208, 200);  // inactive caption text
    case 24:
      return rgb(255, 255, 225);  // tooltip background
    default:
      return rgb(0, 0, 0);
  }
}

// Around a window shown full screen: a plain dark surround, so the
// projected picture is the window alone.
constexpr Color fullScreenSurround = rgb(24, 24, 24);

// A font request; the backend maps the face name to a face it has.
struct Font {
  std::string face = "ＭＳ Ｐゴシック";
  float size = 9.0f;  // points; 1 pt = 20 twips
  bool bold = false;
};

// A picture compiled into the program, named by its file name ("lamp.ico",
// "fire.ico", "menu.gif"); the core hands every backend its decoded pixels
// (forms/pictures.h). Empty means none.
struct Picture {
  std::string resource;
  bool empty() const { return resource.empty(); }
};

// A custom mouse cursor: an icon and its hot spot in icon pixels.
struct Cursor {
  Picture icon;
  int hotX = 0;
  int hotY = 0;
};

enum class MousePointer : std::int16_t { Default = 0, Custom = 99 };

// Mouse buttons as the handlers receive them: the one button that caused
// the event.
constexpr std::int16_t leftButton = 1;
constexpr std::int16_t rightButton = 2;
constexpr std::int16_t middleButton = 4;

struct MouseEvent {
  std::int16_t button = leftButton;
  std::int16_t shift = 0;
  float x = 0;  // twips in the receiving control's coordinates
  float y = 0;
};

// F11 toggles full screen and Escape leaves it, on every window.
enum class Key { Tab, BackTab, Space, Left, Right, Up, Down, Enter, FullScreen, Escape };

// The product's version record, defined once in the build.
struct VersionRecord {
  std::string productName;
  int major = 0;
  int minor = 0;
  int revision = 0;
  int copyrightYear = 0;
  std::string copyrightHolder;
};

}  // namespace forms
