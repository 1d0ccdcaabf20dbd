// Writes the toolkit's numbers the page speaks in (control kinds, screen
// reader roles, keys, mouse buttons, held keys) as a script the page is
// built with, so a changed number in the C++ headers reaches the page and
// cannot go out of step with it. Run by the build under node; the one
// argument is the file to write.
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

#include "forms/backend_support.h"
#include "forms/controls.h"
#include "forms/types.h"

namespace {

using Names = std::initializer_list<std::pair<const char*, int>>;

template <class E>
constexpr std::pair<const char*, int> named(const char* name, E value) {
  return {name, static_cast<int>(value)};
}

std::string group(const char* name, Names values) {
  std::string text = std::string("  ") + name + ": Object.freeze({";
  const char* separator = "";
  for (const auto& [valueName, value] : values) {
    text += separator + std::string(valueName) + ": " + std::to_string(value);
    separator = ", ";
  }
  return text + "})";
}

}  // namespace

int main(int argc, char** argv) {
  using forms::AccessibleRole;
  using forms::ControlKind;
  using forms::Key;
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_page_enums OUTPUT.js\n");
    return 2;
  }
  const std::string script =
      "// Written by the build from the toolkit's headers (write_page_enums.cpp).\n"
      "var Toolkit = Object.freeze({\n" +
      group(
          "Kind",
          {named("FORM", ControlKind::Form), named("PICTURE_BOX", ControlKind::PictureBox),
           named("IMAGE", ControlKind::Image), named("COMMAND_BUTTON", ControlKind::CommandButton),
           named("OPTION_BUTTON", ControlKind::OptionButton), named("LABEL", ControlKind::Label),
           named("LINE", ControlKind::Line), named("FILLED_RECT", ControlKind::FilledRect)}) +
      ",\n" +
      group("Role",
            {named("NONE", AccessibleRole::None), named("WINDOW", AccessibleRole::Window),
             named("BUTTON", AccessibleRole::Button),
             named("RADIO_BUTTON", AccessibleRole::RadioButton),
             named("PICTURE", AccessibleRole::Picture), named("TEXT", AccessibleRole::Text)}) +
      ",\n" +
      group("Key",
            {named("TAB", Key::Tab), named("BACK_TAB", Key::BackTab), named("SPACE", Key::Space),
             named("LEFT", Key::Left), named("RIGHT", Key::Right), named("UP", Key::Up),
             named("DOWN", Key::Down), named("ENTER", Key::Enter),
             named("FULL_SCREEN", Key::FullScreen), named("ESCAPE", Key::Escape)}) +
      ",\n" +
      group("Button", {named("LEFT", forms::leftButton), named("RIGHT", forms::rightButton),
                       named("MIDDLE", forms::middleButton)}) +
      ",\n" +
      group("Held", {named("SHIFT", forms::shiftHeld), named("CTRL", forms::ctrlHeld),
                     named("ALT", forms::altHeld)}) +
      ",\n  TWIPS_PER_PIXEL: " + std::to_string(static_cast<int>(forms::twipsPerPixel)) + "\n});\n";
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fputs(script.c_str(), out) >= 0;
  return std::fclose(out) == 0 && written ? 0 : 1;
}
