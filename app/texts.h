// Every text the program shows, and every window caption, in one table
// keyed by what each one means. The layouts name a text by its key, so
// another caption set (with furigana, or English) is one more table of the
// same form, and a control's accessible name (and description, where one
// helps) has its place beside its caption.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// What one control shows, and what a screen reader would say of it; an
// empty accessible name means none is set yet.
struct Text {
  std::string_view caption;
  std::string_view accessibleName = {};
  std::string_view description = {};
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
  Text lampPicture;  // no text shown; room for its name
  Text finish;

  // Every shape's window.
  Text back;
  Text retry;
  std::array<Text, 3> speeds;  // slow, normal, fast

  ShapeTexts rod;
  ShapeTexts plate;
  ShapeTexts tPlate;
  ShapeTexts concavePlate;
  ShapeTexts hPlate;
  ShapeTexts spiral;
};

// The captions the children read: kana, and the few kanji of the
// classroom's own texts.
const CaptionSet& captions();

// A shape's window caption: the program's name, then the shape's word.
std::string windowCaption(const CaptionSet& set, const ShapeTexts& shape);

}  // namespace velmora
