// Every text the program shows, and every window caption, in one table
// keyed by what each one means. The layouts name a text by its key, so
// another caption set (with furigana, or English) is one more table of the
// same form, and a control's accessible name (and description, where one
// helps) has its place beside its caption.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/controls.h"

namespace velmora {

// What one control shows, and what a screen reader says of it: its name
// (the caption, unless one is given) and, where it helps, a description.
struct Text {
  std::string_view caption;
  std::string_view accessibleName = {};
  std::string_view description = {};

  std::string_view name() const { return accessibleName.empty() ? caption : accessibleName; }
};

// A shape's texts: its card on the menu (the picture button and its
// caption; also the shape's word in its window's caption), its window's
// heading, the shape's word in red and the rest in blue, and its metal,
// which shows no text but may have a name.
struct ShapeTexts {
  Text card;
  Text shapeWord;
  Text heading;
  Text metal = {};
};

struct CaptionSet {
  std::string_view programName;        // the menu's caption
  std::string_view windowCaptionJoin;  // between the program's name and a shape's word

  // The menu.
  Text title;      // the program's name, with a blank where 熱 stands
  Text titleHeat;  // 熱, larger and in the colour of the heat
  Text question;
  Text lampPicture;  // no text shown: a name for the picture
  Text finish;

  // Every shape's window.
  Text back;
  Text retry;
  std::array<Text, 3> speeds;  // slow, normal, fast
  Text burner;                 // the flame under the metal while it heats

  // Every window's close box, where the program draws the frame itself.
  Text closeBox;

  // What a screen reader is told at the two moments a child waits for:
  // the burner is lit, and the heat has reached the whole shape.
  std::string_view heatStarted;
  std::string_view wholeShapeWarm;

  ShapeTexts rod;
  ShapeTexts plate;
  ShapeTexts tPlate;
  ShapeTexts concavePlate;
  ShapeTexts hPlate;
  ShapeTexts spiral;
};

// Tells a control what a screen reader says of it.
inline void giveAccessibleText(forms::Control& control, const Text& text) {
  control.setAccessibleName(std::string(text.name()));
  control.setAccessibleDescription(std::string(text.description));
}

// The captions the children read: kana, and the few kanji of the
// classroom's own texts.
const CaptionSet& captions();

// A shape's window caption: the program's name, then the shape's word.
std::string windowCaption(const CaptionSet& set, const ShapeTexts& shape);

}  // namespace velmora
