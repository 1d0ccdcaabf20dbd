// describe-velmora
//
// Prints the program as it lays itself out, as one JSON object: the menu's
// and every shape window's caption, client size, controls (rectangle,
// caption, accessible name, and a point to press them by), the menu's
// cards, each window's pieces of metal, and the colours the metal, the
// burner's heat and the menu are shown in (as red, green, blue). It builds
// the very windows the program shows, with no window system, and reads
// them back, so scripts and tests in any language take every number,
// colour and caption from here instead of writing it again.
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/looks.h"
#include "app/metal_on_window.h"
#include "app/program.h"
#include "forms/application.h"
#include "forms/testing.h"

namespace {

using namespace velmora;

std::string quoted(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// A JSON object written member by member, in order.
class Object {
 public:
  Object& add(std::string_view key, const std::string& json) {
    members_ += (members_.empty() ? "" : ", ") + quoted(key) + ": " + json;
    return *this;
  }
  Object& add(std::string_view key, double value) { return add(key, number(value)); }
  Object& text(std::string_view key, std::string_view value) { return add(key, quoted(value)); }
  std::string json() const { return "{" + members_ + "}"; }

 private:
  std::string members_;
};

std::string array(const std::vector<std::string>& items, std::string_view between = ", ") {
  std::string json = "[";
  for (std::size_t i = 0; i < items.size(); ++i) json += (i ? std::string(between) : "") + items[i];
  return json + "]";
}

std::string colour(forms::Color c) {
  return array({number(forms::redOf(c)), number(forms::greenOf(c)), number(forms::blueOf(c))});
}

// A rectangle in twips of its container, and the point a test presses it
// by: its middle, in whole twips, as a mouse at 100 % gives them.
Object place(forms::Rect r) {
  Object place;
  place.add("left", r.left).add("top", r.top).add("width", r.width).add("height", r.height);
  place.add("press", array({number(std::floor(r.left + r.width / 2)),
                            number(std::floor(r.top + r.height / 2))}));
  return place;
}

// A control with its text and what a screen reader would say of it.
std::string control(const forms::Control& shown, const Text& text) {
  Object json = place(shown.rect());
  json.text("caption", text.caption);
  // What the program set on the control, as every backend exposes it.
  json.text("accessibleName", shown.accessibleName());
  json.text("description", shown.accessibleDescription());
  return json.json();
}

Object client(const forms::Form& form) {
  return Object{}
      .text("caption", form.caption())
      .add("clientWidth", form.clientWidth())
      .add("clientHeight", form.clientHeight())
      .text("closeBoxName", form.style().closeBoxName);
}

std::string menu(MenuWindow& menu) {
  const CaptionSet& texts = captions();
  std::vector<std::string> cards;
  for (std::size_t row = 0; row < shapeLayouts().size(); ++row) {
    const ShapeLayout& layout = shapeLayouts()[row];
    Object card = place(menu.cards[row].button->rect());
    card.text("shape", layout.shape.name).text("window", windowCaption(texts, textsOf(layout)));
    card.add("captionLabel", control(*menu.cards[row].caption, textsOf(layout).card));
    card.add("button", control(*menu.cards[row].button, textsOf(layout).card));
    cards.push_back(card.json());
  }
  Object controls;
  controls.add("title", control(*menu.title, texts.title));
  controls.add("titleHeat", control(*menu.titleHeat, texts.titleHeat));
  controls.add("question", control(*menu.question, texts.question));
  controls.add("lampPicture", control(*menu.lampPicture, texts.lampPicture));
  controls.add("finishButton", control(*menu.finishButton, texts.finish));
  controls.add("versionLine", place(menu.versionLine->rect()).json());
  return client(menu)
      .add("controls", controls.json())
      .add("cards", array(cards, ",\n      "))
      .json();
}

std::string window(const SimulationWindow& window) {
  const CaptionSet& texts = captions();
  const ShapeTexts& shapeTexts = textsOf(window.layout);
  Object controls;
  controls.add("shapeWord", control(*window.shapeWord, shapeTexts.shapeWord));
  controls.add("heading", control(*window.heading, shapeTexts.heading));
  controls.add("backButton", control(*window.backButton, texts.back));
  controls.add("retryButton", control(*window.retryButton, texts.retry));
  controls.add("burner", control(*window.burner, texts.burner));
  std::vector<std::string> speeds;
  for (std::size_t i = 0; i < window.speedOptions.size(); ++i) {
    speeds.push_back(control(*window.speedOptions[i], texts.speeds[i]));
  }
  std::vector<std::string> pieces;
  for (const forms::PictureBox* piece : window.metal) {
    pieces.push_back(control(*piece, shapeTexts.metal));
  }
  return client(window)
      .add("outerWidth", window.width())
      .add("markerSize", markerSize)
      .add("controls", controls.json())
      .add("speedOptions", array(speeds))
      .add("pieces", array(pieces))
      .json();
}

}  // namespace

int main() {
  forms::testing::Session session;
  Program program;
  program.start();
  Object windows;
  forms::Color windowBackground = 0;
  for (const ShapeLayout& layout : shapeLayouts()) {
    program.open(layout.shape.name);
    SimulationWindow& shown = *program.window(layout.shape.name);
    windowBackground = shown.style().backColor;
    windows.add(layout.shape.name, window(shown));
    shown.backClicked();
  }
  const MenuWindow& menuWindow = program.menu;
  Object colours;
  colours.add("coldMetal", colour(coldMetal)).add("heatedMetal", colour(heatedMetal));
  colours.add("frontRim", colour(frontRim));
  colours.add("menuBackground", colour(menuWindow.style().backColor));
  colours.add("card", colour(menuWindow.cards.front().button->backColor()));
  colours.add("title", colour(menuWindow.title->foreColor()));
  colours.add("titleHeat", colour(menuWindow.titleHeat->foreColor()));
  colours.add("windowBackground", colour(windowBackground));
  colours.add("fullScreenSurround", colour(forms::fullScreenSurround));

  Object json;
  json.add("twipsPerPixel", forms::twipsPerPixel);
  json.text("fullScreenCommand", forms::fullScreenCommand);
  json.add("colours", colours.json());
  json.add("announcements", Object{}
                                .text("heatStarted", captions().heatStarted)
                                .text("wholeShapeWarm", captions().wholeShapeWarm)
                                .json());
  json.add("menu", menu(program.menu));
  json.add("windows", windows.json());
  std::puts(json.json().c_str());
  return 0;
}
