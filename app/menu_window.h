// The menu: the title, the question, the lamp picture, and one picture
// button per metal shape, each opening that shape's window; "おわり" ends
// the program.
#pragma once

#include <string_view>
#include <vector>

#include "forms/application.h"
#include "forms/form.h"

namespace velmora {

class Program;

class MenuWindow : public forms::Form {
 public:
  // The windows it opens belong to `program`.
  explicit MenuWindow(Program& program);

  // Handlers.
  void shapeChosen(std::string_view shape);  // its card or the card's caption
  void finishClicked();

  // A shape's picture button: a pale card with the shape's name and a
  // picture of it in the grey of cold metal.
  struct ShapeCard {
    forms::PictureBox* button = nullptr;
    forms::Label* caption = nullptr;
    std::vector<forms::FilledRect*> pictogram;
  };
  const ShapeCard& card(std::string_view shape) const;

  // Controls, built when the menu is first shown.
  forms::Label* title = nullptr;
  forms::Label* titleHeat = nullptr;  // "熱", standing in the title's blank
  forms::Line* titleUnderline = nullptr;
  forms::Label* question = nullptr;
  forms::Image* lampPicture = nullptr;  // a plate on a stand over a spirit lamp
  std::vector<ShapeCard> cards;         // in the layout table's order
  forms::CommandButton* finishButton = nullptr;
  forms::Label* versionLine = nullptr;

 protected:
  void buildLayout() override;
  void onLoad() override;
  // No shape's window is open while the menu is, so closing the menu leaves
  // nothing to do: the program ends.
  void onCloseBox() override { forms::endProgram(); }

 private:
  Program& program_;
};

}  // namespace velmora
