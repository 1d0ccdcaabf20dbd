// What the child sees on the screen: the heat disc on the metal, labels in
// their colours over whatever lies beneath, the stacking of the menu's
// title, and nothing at all of a hidden control.
#include <doctest/doctest.h>

#include <QFontInfo>

#include "forms/qt/fonts.h"
#include "forms/testing.h"
#include "qt_probe.h"
#include "test_form.h"

using forms::Color;
using forms::Rect;
using forms::testing::Session;
using formstest::colourAt;
using formstest::countColour;
using formstest::TestForm;

namespace {

constexpr Color grey = 0xE0E0E0;
constexpr Color lightRed = 0x8080FF;
constexpr Color blue = 0xFF0000;
constexpr Color black = 0x000000;
const Color background = forms::systemColor(24);

}  // namespace

TEST_CASE("the heat disc appears on the screen as drawn on the canvas") {
  Session session;
  forms::PictureBox* field = nullptr;
  TestForm form([&](TestForm& f) {
    field = f.make<forms::PictureBox>(f, Rect{300, 300, 2250, 1500});
    field->setBackColor(grey);
    field->setFillColor(lightRed);
  });
  form.Show();
  field->Circle(750, 750, 600);
  const QImage image = formstest::rendered(form);
  CHECK(colourAt(image, 300 + 750, 300 + 750) == lightRed);
  CHECK(colourAt(image, 300 + 750 + 595, 300 + 750) == black);
  CHECK(colourAt(image, 300 + 750 + 610, 300 + 750) == grey);
  // Clipped to the metal: the disc reaches above the field's top edge, the
  // form's background stays there.
  field->Circle(750, 0, 600);
  const QImage clipped = formstest::rendered(form);
  CHECK(colourAt(clipped, 300 + 750, 300 + 20) == lightRed);
  CHECK(colourAt(clipped, 300 + 750, 300 - 20) == background);
  // A new background erases the drawing on the screen too.
  field->setBackColor(grey);
  CHECK(countColour(formstest::rendered(form), Rect{300, 300, 2250, 1500}, lightRed) == 0);
}

TEST_CASE("hidden controls are not drawn") {
  Session session;
  forms::PictureBox* box = nullptr;
  forms::FilledRect* shape = nullptr;
  forms::Label* label = nullptr;
  forms::Image* image = nullptr;
  TestForm form([&](TestForm& f) {
    box = f.make<forms::PictureBox>(f, Rect{150, 150, 600, 600});
    box->setBackColor(lightRed);
    shape = f.make<forms::FilledRect>(f, Rect{900, 150, 600, 600}, blue, false);
    label = f.make<forms::Label>(f, Rect{1650, 150, 1200, 600}, "■■",
                                 forms::Font{"ＭＳ ゴシック", 24, true}, blue);
    image = f.make<forms::Image>(f, Rect{150, 900, 480, 480}, forms::Picture{"fire.ico"});
  });
  form.Show();
  const QImage shown = formstest::rendered(form);
  REQUIRE(countColour(shown, box->rect(), lightRed) > 0);
  REQUIRE(countColour(shown, shape->rect(), blue) > 0);
  REQUIRE(countColour(shown, label->rect(), blue) > 0);
  const double ratio = shown.devicePixelRatio();
  REQUIRE(countColour(shown, image->rect(), background) < 32 * ratio * 32 * ratio);

  for (forms::Control* c : std::initializer_list<forms::Control*>{box, shape, label, image}) {
    c->setVisible(false);
  }
  const QImage hidden = formstest::rendered(form);
  for (forms::Control* c : std::initializer_list<forms::Control*>{box, shape, label, image}) {
    const Rect r = c->rect();
    CHECK(countColour(hidden, r, background) ==
          static_cast<int>(r.width / 15 * hidden.devicePixelRatio()) *
              static_cast<int>(r.height / 15 * hidden.devicePixelRatio()));
  }
}

TEST_CASE("a label draws its text in its colour on a transparent background") {
  Session session;
  forms::PictureBox* box = nullptr;
  forms::Label* onForm = nullptr;
  forms::Label* onBox = nullptr;
  TestForm form([&](TestForm& f) {
    onForm = f.make<forms::Label>(f, Rect{120, 120, 855, 735}, "熱",
                                  forms::Font{"ＭＳ ゴシック", 36, true}, lightRed);
    box = f.make<forms::PictureBox>(f, Rect{1200, 120, 1695, 1215});
    box->setBackColor(grey);
    onBox = f.make<forms::Label>(*box, Rect{120, 120, 615, 255}, "ぼう");
  });
  form.Show();
  const QImage image = formstest::rendered(form);
  CHECK(countColour(image, onForm->rect(), lightRed) > 50);
  // Its corner shows the form beneath, not a box of its own.
  CHECK(colourAt(image, 125, 125) == background);
  CHECK(colourAt(image, 120 + 850, 120 + 730) == background);
  // The default label colour is the window text black, over the picture
  // box's grey.
  const Rect onBoxOnForm{1200 + 120, 120 + 120, 615, 255};
  CHECK(formstest::countDark(image, onBoxOnForm) > 10);
  CHECK(colourAt(image, 1200 + 120 + 2, 120 + 120 + 2) == grey);
  CHECK(countColour(image, onBoxOnForm, background) == 0);
}

TEST_CASE("controls are stacked like the classic forms: later labels over earlier ones") {
  Session session;
  forms::PictureBox* box = nullptr;
  TestForm form([&](TestForm& f) {
    // The title and the big "熱" drawn over its blank: same place, the
    // later one on top.
    f.make<forms::Label>(f, Rect{0, 0, 1500, 900}, "■", forms::Font{"ＭＳ ゴシック", 36, true},
                         blue);
    f.make<forms::Label>(f, Rect{0, 0, 1500, 900}, "■", forms::Font{"ＭＳ ゴシック", 36, true},
                         lightRed);
    // A picture box built first still lies above an image, a rectangle and
    // a label built after it.
    box = f.make<forms::PictureBox>(f, Rect{1500, 0, 900, 900});
    box->setBackColor(grey);
    f.make<forms::FilledRect>(f, Rect{1500, 0, 900, 900}, blue, false);
    f.make<forms::Image>(f, Rect{1500, 0, 480, 480}, forms::Picture{"fire.ico"});
    f.make<forms::Label>(f, Rect{1500, 0, 900, 900}, "■", forms::Font{"ＭＳ ゴシック", 36, true},
                         blue);
  });
  form.Show();
  const QImage image = formstest::rendered(form);
  CHECK(countColour(image, Rect{0, 0, 1500, 900}, lightRed) > 100);
  CHECK(countColour(image, Rect{0, 0, 1500, 900}, blue) == 0);
  const int boxPixels =
      static_cast<int>(60 * image.devicePixelRatio() * 60 * image.devicePixelRatio());
  CHECK(countColour(image, box->rect(), grey) == boxPixels);
}

TEST_CASE("the named Japanese faces map to the IPA faces, sized through twips") {
  Session session;
  const QFont fixed = forms::qt::toQFont({"ＭＳ ゴシック", 24, true});
  CHECK(QFontInfo(fixed).family() == "IPAGothic");
  CHECK(fixed.pixelSize() == 32);
  CHECK(fixed.bold());
  const QFont proportional = forms::qt::toQFont({"ＭＳ Ｐゴシック", 21.75f, false});
  CHECK(QFontInfo(proportional).family() == "IPAPGothic");
  CHECK(proportional.pixelSize() == 29);
  CHECK(forms::qt::defaultControlFont().pixelSize() == 12);
  CHECK(QFontInfo(forms::qt::defaultControlFont()).family() == "IPAPGothic");
}

TEST_CASE("a long caption fits its label on one line, and wraps only when too narrow") {
  Session session;
  const char* question = "いろいろな形の金ぞくの板を熱すると、熱はどのように伝わっていくでしょう。";
  forms::Label* wide = nullptr;
  forms::Label* narrow = nullptr;
  TestForm form(
      [&](TestForm& f) {
        wide = f.make<forms::Label>(f, Rect{720, 1080, 5655, 255}, question);
        narrow = f.make<forms::Label>(f, Rect{720, 1500, 2400, 1200}, question);
      },
      [] {
        auto style = formstest::testStyle();
        style.clientWidth = 7860;
        style.clientHeight = 4665;
        return style;
      }());
  form.Show();
  const QImage image = formstest::rendered(form);
  // The end of the sentence is on the first line, near the label's right end.
  CHECK(formstest::countDark(image, Rect{720 + 4800, 1080, 855, 255}) > 0);
  // The narrow label goes on over three lines of 13 pixels and keeps
  // within its width.
  CHECK(formstest::countDark(image, Rect{720, 1500 + 195, 2400, 195}) > 0);
  CHECK(formstest::countDark(image, Rect{720, 1500 + 390, 2400, 195}) > 0);
  CHECK(formstest::countDark(image, Rect{720, 1500 + 600, 2400, 600}) == 0);
  CHECK(formstest::countDark(image, Rect{720 + 2400, 1500, 1500, 1200}) == 0);
}
