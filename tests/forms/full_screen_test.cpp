// F11 shows the window full screen for a class watching a projector: the
// client area fills the screen at its own proportions, the twips and the
// heat stay as they were, a press lands where the pointer is, and the
// teacher can go between windows and leave it with Escape.
#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "forms/application.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::testing::probe;
using forms::testing::Screenshot;
using forms::testing::Session;
using formstest::TestForm;

namespace {

using formstest::black;
using formstest::grey;
using formstest::lightRed;

forms::FormStyle windowStyle(float width, float height) {
  auto style = formstest::testStyle();
  style.clientWidth = width;
  style.clientHeight = height;
  return style;
}

// A window with one field of metal, recording its presses.
struct Window {
  explicit Window(float width = 8640, float height = 5610)
      : form([this](TestForm& f) { build(f); }, windowStyle(width, height)) {}
  void build(TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{120, 840, 2400, 1200});
    field->setBackColor(grey);
    field->setFillColor(lightRed);
    field->onMouseDown = [this](const forms::MouseEvent& e) { press = e; };
  }
  forms::PictureBox* field = nullptr;
  forms::MouseEvent press;
  TestForm form;
};

// The ratio that fills the screen with the form's client area, keeping its
// proportions.
double fillingRatio(const forms::Form& form) {
  const forms::testing::ScreenSize screen = probe().screenOf(form);
  return std::min(screen.width * forms::twipsPerPixel / form.clientWidth(),
                  screen.height * forms::twipsPerPixel / form.clientHeight());
}

// How tall an option's mark stands beside its height, both in device
// pixels: the rows its leftmost ink reaches within a strip, a quarter of
// the option's height wide, from where that ink begins. The caption lies
// further right, whatever the platform's look of the mark.
double markShare(const Screenshot& image, const forms::OptionButton& option) {
  const double step = forms::twipsPerPixel / image.ratio;
  const int wide = static_cast<int>(option.width() / step);
  const int high = static_cast<int>(option.height() / step);
  const auto ink = [&](int x, int y) {
    return image.at(static_cast<float>(option.left() + (x + 0.5) * step),
                    static_cast<float>(option.top() + (y + 0.5) * step)) != option.backColor();
  };
  int first = -1;
  for (int x = 0; x < wide && first < 0; ++x) {
    for (int y = 0; y < high && first < 0; ++y) {
      if (ink(x, y)) first = x;
    }
  }
  int rows = 0;
  for (int y = 0; first >= 0 && y < high; ++y) {
    for (int x = first; x < first + high / 4; ++x) {
      if (ink(x, y)) {
        ++rows;
        break;
      }
    }
  }
  return static_cast<double>(rows) / high;
}

}  // namespace

TEST_CASE("F11 fills the screen with the window, the twips and the drawing kept; Escape leaves") {
  Session session;
  Window w;
  w.form.show();
  const double normal = w.form.pixelRatio();
  const int normalWidth = probe().window(w.form).clientWidth;
  w.field->drawCircle(1200, 600, 450);

  probe().key(w.form, forms::Key::FullScreen);
  REQUIRE(forms::fullScreen());
  const double ratio = w.form.pixelRatio();
  CHECK(ratio == doctest::Approx(fillingRatio(w.form)));
  const Screenshot image = probe().screenshot(w.form);
  CHECK(image.ratio == ratio);
  // One side spans the screen; the other fits inside it.
  const forms::testing::ScreenSize screen = probe().screenOf(w.form);
  CHECK(image.width <= screen.width);
  CHECK(image.height <= screen.height);
  CHECK((std::abs(image.width - screen.width) <= 1 || std::abs(image.height - screen.height) <= 1));
  // The program's numbers are the same, and the heat is drawn again at
  // the screen's own pixels, its rim as wide as one pixel of the window.
  CHECK(w.form.width() == 8730);
  CHECK(w.field->width() == 2400);
  CHECK(image.at(120 + 1200, 840 + 600) == lightRed);
  CHECK(image.at(120 + 1200 + 443, 840 + 600) == black);
  CHECK(image.at(120 + 1200 + 420, 840 + 600) == lightRed);
  CHECK(image.at(120 + 1200 + 470, 840 + 600) == grey);
  // A press lands where the pointer is, through the same ratio.
  probe().click(w.form, 120 + 1500, 840 + 300);
  CHECK(std::abs(w.press.x - 1500) < 15 / ratio);
  CHECK(std::abs(w.press.y - 300) < 15 / ratio);
  // And a front drawn now lies there.
  w.field->drawCircle(1500, 300, 200);
  CHECK(probe().screenshot(w.form).at(120 + 1500, 840 + 300) == lightRed);

  probe().key(w.form, forms::Key::Escape);
  CHECK_FALSE(forms::fullScreen());
  CHECK(w.form.pixelRatio() == normal);
  CHECK(probe().window(w.form).clientWidth == normalWidth);
  const Screenshot back = probe().screenshot(w.form);
  CHECK(back.at(120 + 1200 + 443, 840 + 600) == black);
  CHECK(back.at(120 + 1500, 840 + 300) == lightRed);
  probe().click(w.form, 120 + 900, 840 + 150);
  CHECK(w.press.x == 900);
  CHECK(w.press.y == 150);
}

TEST_CASE("full screen stays on from one window to the next until it is left") {
  Session session;
  Window menu{5600, 4800};
  Window shape;
  menu.form.show();
  const int menuWidth = probe().window(menu.form).clientWidth;
  probe().key(menu.form, forms::Key::FullScreen);
  CHECK(menu.form.pixelRatio() == doctest::Approx(fillingRatio(menu.form)));
  // The teacher opens a shape: it comes full screen at its own ratio.
  menu.form.hide();
  shape.form.show();
  CHECK(forms::fullScreen());
  CHECK(shape.form.pixelRatio() == doctest::Approx(fillingRatio(shape.form)));
  probe().click(shape.form, 120 + 600, 840 + 600);
  CHECK(std::abs(shape.press.x - 600) < 15 / shape.form.pixelRatio());
  // Back to the menu, still full screen; F11 there leaves it.
  shape.form.hide();
  menu.form.show();
  CHECK(menu.form.pixelRatio() == doctest::Approx(fillingRatio(menu.form)));
  probe().key(menu.form, forms::Key::FullScreen);
  CHECK_FALSE(forms::fullScreen());
  CHECK(probe().window(menu.form).clientWidth == menuWidth);
}

TEST_CASE("in full screen an option's mark grows with its caption") {
  Session session;
  forms::OptionButton* option = nullptr;
  TestForm form([&](TestForm& f) {
    // The focus, and with F11 its mark, on a button away from the option.
    f.make<forms::CommandButton>(f, forms::Rect{600, 1200, 975, 375}, "もどる");
    option = f.make<forms::OptionButton>(f, forms::Rect{600, 600, 1500, 255}, "ふつう",
                                         formstest::testStyle().backColor, true);
  });
  form.show();
  const double inWindow = markShare(probe().screenshot(form), *option);
  REQUIRE(inWindow > 0.3);
  probe().key(form, forms::Key::FullScreen);
  REQUIRE(form.pixelRatio() > 1.5);
  CHECK(markShare(probe().screenshot(form), *option) >= 0.8 * inWindow);
}

TEST_CASE("in full screen a bold caption stays as much bolder than a regular one") {
  Session session;
  std::vector<forms::Label*> labels;
  TestForm form([&](TestForm& f) {
    for (const bool bold : {false, true}) {
      auto* label = f.make<forms::Label>(f, forms::Rect{120, 120.0f + 900 * bold, 2700, 750},
                                         "熱の伝わり方");
      label->setFont(forms::Font{"ＭＳ ゴシック", 32, bold});
      labels.push_back(label);
    }
  });
  form.show();
  // How much more ink the bold caption has than the regular one.
  const auto bolder = [&] {
    const Screenshot image = probe().screenshot(form);
    return static_cast<double>(image.countDark(labels[1]->rect())) /
           image.countDark(labels[0]->rect());
  };
  const double inWindow = bolder();
  REQUIRE(inWindow > 1.1);
  probe().key(form, forms::Key::FullScreen);
  REQUIRE(form.pixelRatio() > 1.5);
  CHECK(bolder() >= 0.9 * inWindow);
}
