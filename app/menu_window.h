// The menu `main`: six picture buttons, one per metal shape, each opening
// that shape's simulation window; "おわり" ends the program.
#pragma once

#include <memory>

#include "forms/application.h"
#include "forms/form.h"

namespace velmora {

class Program;

class MenuWindow : public forms::Form {
 public:
  // The simulation windows it opens belong to `program`.
  explicit MenuWindow(Program& program);

  // Handlers.
  void bou_Click();
  void bou_t_Click();
  void sikaku_Click();
  void sikaku_t_Click();
  void tji_Click();
  void tji_t_Click();
  void ou_Click();
  void ou_t_Click();
  void hji_Click();
  void hji_t_Click();
  void uzu_Click();
  void uzu_t_Click();
  void Command4_Click();

  // Controls, built when the menu is first shown.
  forms::Label* Label0 = nullptr;  // the title
  forms::Label* Label3 = nullptr;  // "熱", standing in the title's blank
  forms::Line* Line1 = nullptr;
  forms::Label* Label2 = nullptr;  // the question
  forms::Image* Image1 = nullptr;  // a plate on a stand over a spirit lamp
  forms::PictureBox* bou = nullptr;
  forms::Label* bou_t = nullptr;
  forms::FilledRect* Shape1 = nullptr;
  forms::PictureBox* sikaku = nullptr;
  forms::Label* sikaku_t = nullptr;
  forms::FilledRect* Shape2 = nullptr;
  forms::PictureBox* tji = nullptr;
  forms::Label* tji_t = nullptr;
  forms::FilledRect* Shape3 = nullptr;
  forms::FilledRect* Shape4 = nullptr;
  forms::PictureBox* ou = nullptr;
  forms::Label* ou_t = nullptr;
  forms::FilledRect* Shape12 = nullptr;
  forms::FilledRect* Shape10 = nullptr;
  forms::FilledRect* Shape11 = nullptr;
  forms::PictureBox* hji = nullptr;
  forms::Label* hji_t = nullptr;
  forms::FilledRect* Shape6 = nullptr;
  forms::FilledRect* Shape8 = nullptr;
  forms::FilledRect* Shape7 = nullptr;
  forms::PictureBox* uzu = nullptr;
  forms::Label* uzu_t = nullptr;
  forms::FilledRect* Shape5 = nullptr;
  forms::FilledRect* Shape13 = nullptr;
  forms::FilledRect* Shape14 = nullptr;
  forms::FilledRect* Shape9 = nullptr;
  forms::FilledRect* Shape15 = nullptr;
  forms::CommandButton* Command4 = nullptr;
  forms::Label* Label1 = nullptr;  // the version line

 protected:
  void buildLayout() override;
  void Form_Load() override;
  // No simulation window is open while the menu is, so closing the menu
  // leaves nothing to do: the program ends.
  void closeBox_Click() override { forms::endProgram(); }

 private:
  forms::PictureBox* pictureButton(float left, float top, void (MenuWindow::*handler)());
  forms::Label* captionOf(forms::PictureBox& button, float width, const char* caption,
                          void (MenuWindow::*handler)());
  forms::FilledRect* pictogram(forms::PictureBox& button, forms::Rect piece);
  // Makes the window at its first opening, shows it, and hides the menu.
  template <class Window>
  void open(std::unique_ptr<Window>& window);

  Program& program_;
};

}  // namespace velmora
