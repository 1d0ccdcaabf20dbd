// On a 200 % screen or projector the windows are twice as large and sharp,
// while every twip the program sees stays the same, so the heat front grows
// tick for tick as on an ordinary screen. This suite also runs whole under
// QT_SCALE_FACTOR=2.
#include <doctest/doctest.h>

#include <cstdlib>
#include <string>

#include "forms/backend.h"
#include "forms/testing.h"
#include "qt_probe.h"
#include "test_form.h"

using forms::testing::Session;
using formstest::TestForm;

namespace {

double requestedScale() {
  const char* scale = std::getenv("QT_SCALE_FACTOR");
  return scale ? std::stod(scale) : 1.0;
}

}  // namespace

TEST_CASE("the screen's scale enlarges the pixels, never the twips") {
  Session session;
  const double ratio = forms::backend()->devicePixelRatio();
  CHECK(ratio == doctest::Approx(requestedScale()));

  forms::PictureBox* field = nullptr;
  forms::MouseEvent press;
  TestForm form(
      [&](TestForm& f) {
        field = f.make<forms::PictureBox>(f, forms::Rect{120, 840, 8400, 4680});
        field->setBackColor(0xE0E0E0);
        field->setFillColor(0x8080FF);
        field->onMouseDown = [&](const forms::MouseEvent& e) { press = e; };
      },
      [] {
        auto style = formstest::testStyle();
        style.clientWidth = 8640;
        style.clientHeight = 5610;
        return style;
      }());
  form.Show();

  // The program's numbers: the same on every screen.
  CHECK(form.Width() == 8730);
  CHECK(field->Width() == 8400);
  // The window and the canvas: pixels times the scale.
  const QImage image = formstest::rendered(form);
  CHECK(image.width() == static_cast<int>(576 * ratio));
  CHECK(image.height() == static_cast<int>(374 * ratio));
  CHECK(field->canvas().width() == static_cast<int>(560 * ratio));
  CHECK(field->canvas().height() == static_cast<int>(312 * ratio));

  // A press on the window's pixel (8 + 100, 56 + 40) is the field's
  // (1500, 600) twips whatever the scale.
  formstest::pressAndRelease(form, QPointF(108, 96));
  CHECK(press.x == 1500);
  CHECK(press.y == 600);

  // A disc drawn there is as large, in twips, as on an ordinary screen,
  // and its rim one screen pixel thick: `ratio` device pixels.
  field->Circle(1500, 600, 450);
  const forms::Canvas& canvas = field->canvas();
  const int centreY = static_cast<int>(600 / 15 * ratio);
  int rim = 0;
  for (int x = 0; x < canvas.width(); ++x) rim += canvas.pixel(x, centreY) == 0x000000;
  CHECK(rim == static_cast<int>(2 * ratio));
  CHECK(field->pixelAt(1500 + 440, 600) == 0x000000);
  CHECK(field->pixelAt(1500 + 425, 600) == 0x8080FF);
}
