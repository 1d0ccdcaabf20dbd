#include "app/menu_window.h"

#include <string>

#include "app/program.h"
#include "simulation/metal_look.h"
#include "simulation/module1.h"

namespace velmora {

namespace {

forms::FormStyle menuStyle() {
  return forms::FormStyle{"Velmora", 7860, 4665, forms::systemColor(19), lampIcon()};
}

// The title in the fixed Gothic face; the blank after the name is where
// "熱" stands, larger and in the colour of the heat.
const char* const titleFace = "ＭＳ ゴシック";
constexpr forms::Color titleBlue = 0xFF8080;
constexpr forms::Color heatRed = 0x8080FF;
constexpr forms::Color underlineGreen = 0xC0FFC0;

// The picture buttons are pale yellow cards with the shape in cold-metal grey.
constexpr float buttonWidth = 1695;
constexpr float buttonHeight = 1215;
constexpr float captionInset = 120;
constexpr float captionHeight = 255;

}  // namespace

MenuWindow::MenuWindow(Program& program) : forms::Form(menuStyle()), program_(program) {}

void MenuWindow::buildLayout() {
  Label0 = add<forms::Label>(*this, forms::Rect{360, 360, 5295, 495}, "Velmora　 ",
                             forms::Font{titleFace, 24, true}, titleBlue);
  Label3 = add<forms::Label>(*this, forms::Rect{2400, 120, 855, 735}, "熱",
                             forms::Font{titleFace, 36, true}, heatRed);
  Line1 = add<forms::Line>(*this, forms::Point{120, 840}, forms::Point{5760, 840}, underlineGreen);
  Label2 =
      add<forms::Label>(*this, forms::Rect{720, 1080, 5655, 255},
                        "いろいろな形の金ぞくの板を熱すると、熱はどのように伝わっていくでしょう。");
  Image1 = add<forms::Image>(*this, forms::Rect{240, 1680, 1935, 2670}, forms::Picture{"menu.gif"});

  bou = pictureButton(2400, 1440, &MenuWindow::bou_Click);
  bou_t = captionOf(*bou, 495, "ぼう", &MenuWindow::bou_t_Click);
  Shape1 = pictogram(*bou, {120, 480, 1335, 135});

  sikaku = pictureButton(4200, 1440, &MenuWindow::sikaku_Click);
  sikaku_t = captionOf(*sikaku, 615, "長方形", &MenuWindow::sikaku_t_Click);
  Shape2 = pictogram(*sikaku, {120, 360, 1335, 735});

  tji = pictureButton(6000, 1440, &MenuWindow::tji_Click);
  tji_t = captionOf(*tji, 615, "T字形", &MenuWindow::tji_t_Click);
  Shape3 = pictogram(*tji, {120, 360, 1335, 255});
  Shape4 = pictogram(*tji, {600, 600, 255, 495});

  ou = pictureButton(2400, 2760, &MenuWindow::ou_Click);
  ou_t = captionOf(*ou, 615, "凹字形", &MenuWindow::ou_t_Click);
  Shape12 = pictogram(*ou, {240, 360, 255, 735});
  Shape10 = pictogram(*ou, {1080, 360, 255, 735});
  Shape11 = pictogram(*ou, {480, 840, 615, 255});

  hji = pictureButton(4200, 2760, &MenuWindow::hji_Click);
  hji_t = captionOf(*hji, 615, "H字形", &MenuWindow::hji_t_Click);
  Shape6 = pictogram(*hji, {240, 360, 255, 735});
  Shape8 = pictogram(*hji, {1080, 360, 255, 735});
  Shape7 = pictogram(*hji, {480, 600, 615, 255});

  uzu = pictureButton(6000, 2760, &MenuWindow::uzu_Click);
  uzu_t = captionOf(*uzu, 975, "うず形", &MenuWindow::uzu_t_Click);
  Shape5 = pictogram(*uzu, {360, 360, 135, 615});
  Shape13 = pictogram(*uzu, {600, 360, 855, 135});
  Shape14 = pictogram(*uzu, {1320, 360, 135, 615});
  Shape9 = pictogram(*uzu, {480, 840, 975, 135});
  Shape15 = pictogram(*uzu, {600, 360, 135, 375});

  Command4 = add<forms::CommandButton>(*this, forms::Rect{6360, 4200, 1335, 375}, "おわり");
  Command4->onClick = [this] { Command4_Click(); };

  // Form_Load writes the whole version line; the layout holds its end.
  Label1 =
      add<forms::Label>(*this, forms::Rect{1080, 4320, 5895, 255}, forms::versionRecord().copyright,
                        forms::Font{}, forms::systemColor(17));

  // "おわり" first: it holds the focus, and the keyboard cannot open a
  // window by accident.
  setTabOrder({Command4, bou, sikaku, tji, ou, hji, uzu});
}

forms::PictureBox* MenuWindow::pictureButton(float left, float top, void (MenuWindow::*handler)()) {
  auto* button = add<forms::PictureBox>(*this, forms::Rect{left, top, buttonWidth, buttonHeight});
  button->setBackColor(forms::systemColor(24));
  button->onClick = [this, handler] { (this->*handler)(); };
  return button;
}

forms::Label* MenuWindow::captionOf(forms::PictureBox& button, float width, const char* caption,
                                    void (MenuWindow::*handler)()) {
  auto* label = add<forms::Label>(
      button, forms::Rect{captionInset, captionInset, width, captionHeight}, caption);
  label->onClick = [this, handler] { (this->*handler)(); };
  return label;
}

forms::FilledRect* MenuWindow::pictogram(forms::PictureBox& button, forms::Rect piece) {
  // Outlined, so the pale grey shape stands out on the pale yellow card.
  return add<forms::FilledRect>(button, piece, coldMetal, true);
}

void MenuWindow::Form_Load() {
  Module1::speedFactor = 50;
  const forms::VersionRecord& version = forms::versionRecord();
  Label1->setCaption(version.productName + " ver." + std::to_string(version.major) + "." +
                     std::to_string(version.minor) + "." + std::to_string(version.revision) + "  " +
                     version.copyright);
}

template <class Window>
void MenuWindow::open(std::unique_ptr<Window>& window) {
  if (!window) window = std::make_unique<Window>(*this);
  window->Show();
  Hide();
}

void MenuWindow::bou_Click() { open(program_.simulation2); }
void MenuWindow::bou_t_Click() { open(program_.simulation2); }
void MenuWindow::sikaku_Click() { open(program_.simulation1); }
void MenuWindow::sikaku_t_Click() { open(program_.simulation1); }
void MenuWindow::tji_Click() { open(program_.simulation3); }
void MenuWindow::tji_t_Click() { open(program_.simulation3); }
void MenuWindow::ou_Click() { open(program_.simulation6); }
void MenuWindow::ou_t_Click() { open(program_.simulation6); }
void MenuWindow::hji_Click() { open(program_.simulation5); }
void MenuWindow::hji_t_Click() { open(program_.simulation5); }
void MenuWindow::uzu_Click() { open(program_.simulation4); }
void MenuWindow::uzu_t_Click() { open(program_.simulation4); }

void MenuWindow::Command4_Click() { forms::endProgram(); }

}  // namespace velmora
