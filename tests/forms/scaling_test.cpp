// On a 200 % screen or projector the windows are twice as large and sharp,
// while every twip the program sees stays the same, so the heat front grows
// tick for tick as on an ordinary screen. This suite also runs whole on a
// 200 % screen.
#include <doctest/doctest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// A simulation window's metal, recording its presses.
struct Window {
  forms::PictureBox* field = nullptr;
  forms::MouseEvent press;
  TestForm form{[this](TestForm& f) {
                  field = f.make<forms::PictureBox>(f, forms::Rect{120, 840, 8400, 4680});
                  field->setBackColor(formstest::grey);
                  field->setFillColor(formstest::lightRed);
                  field->onMouseDown = [this](const forms::MouseEvent& e) { press = e; };
                },
                [] {
                  auto style = formstest::testStyle();
                  style.clientWidth = 8640;
                  style.clientHeight = 5610;
                  return style;
                }()};
};

// The rim of a disc centred on the field's row `y` (twips), counted in
// device pixels along that row.
int rimPixels(const forms::PictureBox& field, float y) {
  const forms::Canvas& canvas = field.canvas();
  const int row = static_cast<int>(y / 15 * canvas.devicePixelRatio());
  int rim = 0;
  for (int x = 0; x < canvas.width(); ++x) rim += canvas.pixel(x, row) == 0x000000;
  return rim;
}

}  // namespace

TEST_CASE("the screen's scale enlarges the pixels, never the twips") {
  Session session;
  Window w;
  w.form.show();
  const double ratio = w.form.pixelRatio();
  const forms::testing::Screenshot image = probe().screenshot(w.form);
  CHECK(image.ratio == ratio);

  // The program's numbers: the same on every screen.
  CHECK(w.form.width() == 8730);
  CHECK(w.field->width() == 8400);
  // The window and the canvas: pixels times the scale.
  CHECK(image.width == static_cast<int>(576 * ratio));
  CHECK(image.height == static_cast<int>(374 * ratio));
  CHECK(w.field->canvas().width() == static_cast<int>(560 * ratio));
  CHECK(w.field->canvas().height() == static_cast<int>(312 * ratio));

  // A press on the window's pixel (8 + 100, 56 + 40) is the field's
  // (1500, 600) twips whatever the scale.
  probe().click(w.form, 108 * 15, 96 * 15);
  CHECK(w.press.x == 1500);
  CHECK(w.press.y == 600);

  // A disc drawn there is as large, in twips, as on an ordinary screen,
  // and its rim one screen pixel thick: `ratio` device pixels, a whole
  // number of them either side at a fractional ratio.
  w.field->drawCircle(1500, 600, 450);
  CHECK(rimPixels(*w.field, 600) >= 2 * static_cast<int>(std::floor(ratio)));
  CHECK(rimPixels(*w.field, 600) <= 2 * static_cast<int>(std::ceil(ratio)));
  CHECK(w.field->pixelAt(1500 + 440, 600) == 0x000000);
  CHECK(w.field->pixelAt(1500 + 425, 600) == formstest::lightRed);
}

TEST_CASE("a window dragged onto a screen of twice the scale keeps its heat, drawn sharper") {
  Session session;
  Window w;
  w.form.show();
  const double ratio = w.form.pixelRatio();
  w.field->drawCircle(1500, 600, 450);
  w.field->drawCircle(1500, 600, 900);
  REQUIRE(probe().moveToScreenOfRatio(w.form, 2 * ratio));
  CHECK(w.form.pixelRatio() == 2 * ratio);
  CHECK(w.field->canvas().width() == static_cast<int>(560 * 2 * ratio));
  CHECK(rimPixels(*w.field, 600) == static_cast<int>(4 * ratio));
  const forms::testing::Screenshot image = probe().screenshot(w.form);
  CHECK(image.ratio == 2 * ratio);
  CHECK(image.at(120 + 1500, 840 + 600) == formstest::lightRed);
  CHECK(image.at(120 + 1500 + 890, 840 + 600) == 0x000000);
  CHECK(image.at(120 + 1500 + 910, 840 + 600) == formstest::grey);
  // The physics reads the same twips, and the run goes on drawing there.
  CHECK(w.form.width() == 8730);
  w.field->drawCircle(1500, 600, 1350);
  CHECK(probe().screenshot(w.form).at(120 + 1500 + 1300, 840 + 600) == formstest::lightRed);
  // Back on the ordinary screen, as it was.
  REQUIRE(probe().moveToScreenOfRatio(w.form, ratio));
  CHECK(w.form.pixelRatio() == ratio);
  CHECK(w.field->pixelAt(1500 + 1340, 600) == 0x000000);
  CHECK(probe().screenshot(w.form).at(120 + 1500, 840 + 600) == formstest::lightRed);
}

// Builds a bar of warm pieces, lets `before` act on its form (full screen,
// or nothing), then checks it shows no seam.
void checkWarmBarSeamless(const std::function<void(TestForm&)>& before) {
  // A bar of three pieces overlapping by a pixel at each joint, as the
  // shapes' pieces do, with edges that fall between device pixels at
  // fractional ratios (3375 twips is 281.25 pixels at 125 %).
  const std::vector<forms::Rect> pieces{
      {345, 840, 3030, 855}, {3360, 840, 975, 855}, {4320, 840, 3975, 855}};
  constexpr forms::Color cold = formstest::grey;
  constexpr forms::Color warm = formstest::lightRed;
  std::vector<forms::PictureBox*> boxes;
  TestForm form(
      [&](TestForm& f) {
        for (const forms::Rect& r : pieces) {
          auto* box = f.make<forms::PictureBox>(f, r);
          box->setBackColor(cold);
          box->setFillColor(warm);
          boxes.push_back(box);
        }
      },
      [] {
        auto style = formstest::testStyle();
        style.clientWidth = 8640;
        style.clientHeight = 5610;
        return style;
      }());
  form.show();
  // Each piece warm all over: a disc far larger than the piece.
  for (auto* box : boxes) box->drawCircle(box->width() / 2, box->height() / 2, 20000);
  const auto seamless = [&] {
    const forms::testing::Screenshot image = probe().screenshot(form);
    // Inside the bar (one pixel in from its outer edges, whose rounding
    // the screenshot's own grid need not share) every pixel is warm.
    const forms::Rect bar{345 + 15, 840 + 15, 8295 - 345 - 30, 855 - 30};
    CHECK(image.count(bar, warm) == image.area(bar));
    // Just outside it, the window's own background: no grey line.
    const forms::Color background = formstest::testStyle().backColor;
    for (float y = 870; y < 1680; y += 60) {
      CHECK(image.at(8295 + 15, y) == background);
      CHECK(image.at(345 - 15, y) == background);
    }
    for (float x = 400; x < 8280; x += 120) {
      CHECK(image.at(x, 840 + 855 + 15) == background);
      CHECK(image.at(x, 840 - 15) == background);
    }
  };
  before(form);
  seamless();
}

TEST_CASE("pieces that meet at an edge show no seam at any scale once warm") {
  Session session;
  checkWarmBarSeamless([](TestForm&) {});
}

TEST_CASE("pieces that meet at an edge show no seam in full screen at the screen's ratio") {
  Session session;
  checkWarmBarSeamless([](TestForm& form) {
    probe().key(form, forms::Key::FullScreen);
    REQUIRE(form.pixelRatio() != 1.0);
  });
}
