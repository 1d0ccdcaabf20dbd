#include "app/menu_window.h"

#include <stdexcept>
#include <string>

#include "app/looks.h"
#include "app/program.h"
#include "app/shape_layouts.h"
#include "app/texts.h"

namespace velmora {

namespace {

// The title in the fixed Gothic face; the blank after the name is where
// "熱" stands, larger and in the colour of the heat.
const char* const titleFace = "ＭＳ ゴシック";
constexpr forms::Color titleBlue = 0xFF8080;
constexpr forms::Color underlineGreen = 0xC0FFC0;

// The picture buttons are pale yellow cards.
constexpr float cardWidth = 1695;
constexpr float cardHeight = 1215;
constexpr float captionInset = 120;
constexpr float captionHeight = 255;

// The short form, "© 2026 The Velmora developers": the whole version line
// must end left of "おわり" in every face and at every scale.
std::string copyrightNotice() {
  const forms::VersionRecord& version = forms::versionRecord();
  return "© " + std::to_string(version.copyrightYear) + " " + version.copyrightHolder;
}

}  // namespace

MenuWindow::MenuWindow(Program& program)
    : forms::Form(forms::FormStyle{std::string(captions().programName), 7860, 4665,
                                   forms::systemColor(19), lampIcon(),
                                   std::string(captions().closeBox.name())}),
      program_(program) {}

void MenuWindow::buildLayout() {
  const CaptionSet& texts = captions();
  title =
      add<forms::Label>(*this, forms::Rect{360, 360, 5295, 495}, std::string(texts.title.caption),
                        forms::Font{titleFace, 24, true}, titleBlue);
  titleHeat = add<forms::Label>(*this, forms::Rect{2400, 120, 855, 735},
                                std::string(texts.titleHeat.caption),
                                forms::Font{titleFace, 36, true}, heatedMetal);
  titleUnderline =
      add<forms::Line>(*this, forms::Point{120, 840}, forms::Point{5760, 840}, underlineGreen);
  question = add<forms::Label>(*this, forms::Rect{720, 1080, 5655, 255},
                               std::string(texts.question.caption));
  lampPicture =
      add<forms::Image>(*this, forms::Rect{240, 1680, 1935, 2670}, forms::Picture{"menu.gif"});
  giveAccessibleText(*lampPicture, texts.lampPicture);

  cards.clear();
  for (const ShapeLayout& layout : shapeLayouts()) {
    ShapeCard card;
    card.button = add<forms::PictureBox>(
        *this, forms::Rect{layout.card.x, layout.card.y, cardWidth, cardHeight});
    card.button->setBackColor(forms::systemColor(24));
    // A card is a tab stop: Enter or Space on it opens its window, as a
    // press does.
    card.button->setTabStop(true);
    giveAccessibleText(*card.button, textsOf(layout, texts).card);
    const std::string_view name = layout.shape.name;
    card.button->onClick = [this, name] { shapeChosen(name); };
    card.caption = add<forms::Label>(
        *card.button,
        forms::Rect{captionInset, captionInset, layout.cardCaptionWidth, captionHeight},
        std::string(textsOf(layout, texts).card.caption));
    card.caption->onClick = [this, name] { shapeChosen(name); };
    // Outlined, so the pale grey shape stands out on the pale yellow card.
    for (const forms::Rect& part : layout.pictogram) {
      card.pictogram.push_back(add<forms::FilledRect>(*card.button, part, coldMetal, true));
    }
    cards.push_back(card);
  }

  finishButton = add<forms::CommandButton>(*this, forms::Rect{6360, 4200, 1335, 375},
                                           std::string(texts.finish.caption));
  giveAccessibleText(*finishButton, texts.finish);
  finishButton->onClick = [this] { finishClicked(); };

  // The load writes the whole version line; the layout holds its end.
  versionLine = add<forms::Label>(*this, forms::Rect{1080, 4320, 5895, 255}, copyrightNotice(),
                                  forms::Font{}, forms::systemColor(17));

  // "おわり" first: it holds the focus, and the keyboard cannot open a
  // window by accident; then the cards, row by row.
  std::vector<forms::Control*> order{finishButton};
  for (const ShapeCard& card : cards) order.push_back(card.button);
  setTabOrder(std::move(order));
}

void MenuWindow::onLoad() {
  program_.chooseSpeed(normalSpeed);
  const forms::VersionRecord& version = forms::versionRecord();
  versionLine->setCaption(version.productName + " ver." + std::to_string(version.major) + "." +
                          std::to_string(version.minor) + "." + std::to_string(version.revision) +
                          "  " + copyrightNotice());
}

const MenuWindow::ShapeCard& MenuWindow::card(std::string_view shape) const {
  for (std::size_t row = 0; row < cards.size(); ++row) {
    if (shapeLayouts()[row].shape.name == shape) return cards[row];
  }
  throw std::invalid_argument("no such shape");
}

void MenuWindow::shapeChosen(std::string_view shape) { program_.open(shape); }

void MenuWindow::finishClicked() { forms::endProgram(); }

}  // namespace velmora
