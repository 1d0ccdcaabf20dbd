// What the child sees on the screen: the heat disc on the metal, labels in
// their colours over whatever lies beneath, the stacking of the menu's
// title, and nothing at all of a hidden control.
#include <doctest/doctest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "forms/backend_support.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::Color;
using forms::Rect;
using forms::testing::probe;
using forms::testing::Screenshot;
using forms::testing::Session;
using formstest::TestForm;

namespace {

using formstest::grey;
using formstest::lightRed;
constexpr Color blue = 0xFF0000;
using formstest::black;
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
  form.show();
  field->drawCircle(750, 750, 600);
  const Screenshot image = probe().screenshot(form);
  CHECK(image.at(300 + 750, 300 + 750) == lightRed);
  CHECK(image.at(300 + 750 + 595, 300 + 750) == black);
  CHECK(image.at(300 + 750 + 610, 300 + 750) == grey);
  // A growing front, tick by tick: only the changed pixels are copied and
  // repainted, so a part of a change left out would show as stale pixels.
  for (float radius = 60; radius < 700; radius += 47) {
    field->drawCircle(750, 750, radius);
    probe().screenshot(form);
  }
  field->drawCircle(1900, 1300, 260);  // a second front, touching two edges
  const Screenshot grown = probe().screenshot(form);
  const forms::Canvas& canvas = field->canvas();
  int differing = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const float twipsPerDevicePixel = 15 / static_cast<float>(grown.ratio);
      const Color shown =
          grown.at(300 + (x + 0.5f) * twipsPerDevicePixel, 300 + (y + 0.5f) * twipsPerDevicePixel);
      differing += shown != canvas.pixel(x, y);
    }
  }
  CHECK(differing == 0);
  // Clipped to the metal: the disc reaches above the field's top edge, the
  // form's background stays there.
  field->drawCircle(750, 0, 600);
  const Screenshot clipped = probe().screenshot(form);
  CHECK(clipped.at(300 + 750, 300 + 20) == lightRed);
  CHECK(clipped.at(300 + 750, 300 - 20) == background);
  // A new background erases the drawing on the screen too.
  field->setBackColor(grey);
  CHECK(probe().screenshot(form).count(Rect{300, 300, 2250, 1500}, lightRed) == 0);
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
  form.show();
  const Screenshot shown = probe().screenshot(form);
  REQUIRE(shown.count(box->rect(), lightRed) > 0);
  REQUIRE(shown.count(shape->rect(), blue) > 0);
  REQUIRE(shown.count(label->rect(), blue) > 0);
  const double ratio = shown.ratio;
  REQUIRE(shown.count(image->rect(), background) < 32 * ratio * 32 * ratio);

  for (forms::Control* c : std::initializer_list<forms::Control*>{box, shape, label, image}) {
    c->setVisible(false);
  }
  const Screenshot hidden = probe().screenshot(form);
  for (forms::Control* c : std::initializer_list<forms::Control*>{box, shape, label, image}) {
    const Rect r = c->rect();
    CHECK(hidden.count(r, background) == static_cast<int>(r.width / 15 * hidden.ratio) *
                                             static_cast<int>(r.height / 15 * hidden.ratio));
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
  form.show();
  const Screenshot image = probe().screenshot(form);
  CHECK(image.count(onForm->rect(), lightRed) > 50);
  // Its corner shows the form beneath, not a box of its own.
  CHECK(image.at(125, 125) == background);
  CHECK(image.at(120 + 850, 120 + 730) == background);
  // The default label colour is the window text black, over the picture
  // box's grey.
  const Rect onBoxOnForm{1200 + 120, 120 + 120, 615, 255};
  CHECK(image.countDark(onBoxOnForm) > 10);
  CHECK(image.at(1200 + 120 + 2, 120 + 120 + 2) == grey);
  CHECK(image.count(onBoxOnForm, background) == 0);
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
  form.show();
  const Screenshot image = probe().screenshot(form);
  CHECK(image.count(Rect{0, 0, 1500, 900}, lightRed) > 100);
  CHECK(image.count(Rect{0, 0, 1500, 900}, blue) == 0);
  const int boxPixels = static_cast<int>(60 * image.ratio * 60 * image.ratio);
  CHECK(image.count(box->rect(), grey) == boxPixels);
}

TEST_CASE("the named Japanese faces map to the platform's Gothic faces, sized through twips") {
  Session session;
  forms::Label* fixed = nullptr;
  forms::Label* proportional = nullptr;
  forms::Label* plain = nullptr;
  TestForm form([&](TestForm& f) {
    fixed = f.make<forms::Label>(f, Rect{0, 0, 1500, 600}, "熱",
                                 forms::Font{"ＭＳ ゴシック", 24, true});
    proportional = f.make<forms::Label>(f, Rect{0, 600, 1500, 600}, "長方形",
                                        forms::Font{"ＭＳ Ｐゴシック", 21.75f, false});
    plain = f.make<forms::Label>(f, Rect{0, 1200, 1500, 300}, "ぼう");
  });
  form.show();
  // The first face of the request's fallback list the machine has, or the
  // page's own cut of it.
  const auto oneOf = [](const std::string& family, const std::string& face, const char* cut) {
    const std::vector<std::string>& families = forms::fontFamilies(face);
    return family == cut || std::find(families.begin(), families.end(), family) != families.end();
  };
  const forms::testing::ShownFont big = probe().font(*fixed);
  CHECK(oneOf(big.family, fixed->font().face, "Velmora Gothic"));
  CHECK(big.pixelSize == 32);
  CHECK(big.bold);
  const forms::testing::ShownFont heading = probe().font(*proportional);
  CHECK(oneOf(heading.family, proportional->font().face, "Velmora P Gothic"));
  CHECK_FALSE(heading.bold);
  CHECK(heading.pixelSize == 29);
  // The default: the proportional Gothic at 9 pt.
  CHECK(probe().font(*plain).family == heading.family);
  CHECK(probe().font(*plain).pixelSize == 12);
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
  form.show();
  const Screenshot image = probe().screenshot(form);
  // The end of the sentence is on the first line, near the label's right end.
  CHECK(image.countDark(Rect{720 + 4800, 1080, 855, 255}) > 0);
  // The narrow label goes on over three lines of 13 pixels and keeps
  // within its width.
  CHECK(image.countDark(Rect{720, 1500 + 195, 2400, 195}) > 0);
  CHECK(image.countDark(Rect{720, 1500 + 390, 2400, 195}) > 0);
  CHECK(image.countDark(Rect{720, 1500 + 600, 2400, 600}) == 0);
  CHECK(image.countDark(Rect{720 + 2400, 1500, 1500, 1200}) == 0);
}
