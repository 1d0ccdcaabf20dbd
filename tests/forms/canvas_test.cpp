// The heat disc as the child sees it: black rim, light-red inside, on the
// grey metal, never beyond the metal's edge.
#include "forms/canvas.h"

#include <doctest/doctest.h>

#include <cmath>
#include <vector>

#include "forms/testing.h"
#include "test_form.h"

using forms::Canvas;
using forms::Color;
using forms::PictureBox;
using forms::rgb;

namespace {

using formstest::black;
using formstest::grey;
using formstest::lightRed;

// What a pixel is, seen from the disc.
enum class Part { Outside, Rim, Inside };

Part partOf(const Canvas& canvas, int x, int y, Color background) {
  const Color c = canvas.pixel(x, y);
  if (c == background) return Part::Outside;
  return c == black ? Part::Rim : Part::Inside;
}

// No inside pixel touches the outside: the rim closes the disc.
bool rimIsClosed(const Canvas& canvas, Color background) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (partOf(canvas, x, y, background) != Part::Inside) continue;
      const int nx[] = {x - 1, x + 1, x, x};
      const int ny[] = {y, y, y - 1, y + 1};
      for (int i = 0; i < 4; ++i) {
        if (nx[i] < 0 || ny[i] < 0 || nx[i] >= canvas.width() || ny[i] >= canvas.height()) continue;
        if (partOf(canvas, nx[i], ny[i], background) == Part::Outside) return false;
      }
    }
  }
  return true;
}

}  // namespace

TEST_CASE("the light-red '0x8080FF' is rgb(255, 128, 128)") {
  CHECK(lightRed == rgb(255, 128, 128));
  CHECK(forms::redOf(lightRed) == 255);
  CHECK(forms::blueOf(0xFF0000) == 255);
}

TEST_CASE("a circle has a one-pixel black rim and a light-red inside") {
  Canvas canvas;
  canvas.resize(3000, 3000, 1.0);  // 200 x 200 pixels
  canvas.fill(grey);
  // Centre 1500 twips = pixel 100, radius 600 twips = 40 pixels.
  canvas.circle(1500, 1500, 600, black, lightRed);
  CHECK(canvas.pixelAtTwips(1500, 1500) == lightRed);
  // Along the row through the centre: pixel 139 is the last inside the
  // radius (its centre at 39.5 px), 140 is outside, 138 is inside the rim.
  CHECK(canvas.pixel(139, 100) == black);
  CHECK(canvas.pixel(140, 100) == grey);
  CHECK(canvas.pixel(138, 100) == lightRed);
  CHECK(canvas.pixel(60, 100) == black);
  CHECK(canvas.pixel(59, 100) == grey);
  CHECK(canvas.pixel(100, 60) == black);
  CHECK(canvas.pixel(100, 139) == black);
  // Only the three colours: not anti-aliased.
  int others = 0;
  for (Color c : canvas.pixels()) others += (c != grey && c != black && c != lightRed);
  CHECK(others == 0);
  CHECK(rimIsClosed(canvas, grey));
}

TEST_CASE("small and growing circles keep a closed rim") {
  for (float radius : {15.0f, 22.5f, 37.0f, 150.0f, 451.0f, 1234.5f}) {
    CAPTURE(radius);
    Canvas canvas;
    canvas.resize(3000, 3000, 1.0);
    canvas.fill(grey);
    canvas.circle(1507, 1493, radius, black, lightRed);
    CHECK(rimIsClosed(canvas, grey));
    CHECK(canvas.pixelAtTwips(1507, 1493) != grey);
  }
}

TEST_CASE("a circle is clipped to its canvas") {
  Canvas canvas;
  canvas.resize(1500, 750, 1.0);  // 100 x 50 pixels
  canvas.fill(grey);
  // A front far larger than the piece: everything covered, nothing beyond.
  canvas.circle(0, 0, 30000, black, lightRed);
  CHECK(canvas.width() == 100);
  CHECK(canvas.height() == 50);
  CHECK(canvas.pixel(0, 0) == lightRed);
  CHECK(canvas.pixel(99, 49) == lightRed);
  CHECK(canvas.pixels().size() == 100u * 50u);
  // Centre outside the canvas: only the part that reaches in is drawn.
  canvas.fill(grey);
  canvas.circle(-300, 375, 600, black, lightRed);  // reaches 20 px into it
  CHECK(canvas.pixel(0, 25) == lightRed);
  CHECK(canvas.pixel(19, 25) == black);
  CHECK(canvas.pixel(20, 25) == grey);
}

TEST_CASE("at 200 % the canvas has twice the pixels and the rim is two device pixels") {
  Canvas canvas;
  canvas.resize(3000, 3000, 2.0);
  canvas.fill(grey);
  canvas.circle(1500, 1500, 600, black, lightRed);
  CHECK(canvas.width() == 400);
  CHECK(canvas.devicePixelRatio() == 2.0);
  // Radius 80 device pixels from the centre at 200.
  CHECK(canvas.pixel(279, 200) == black);
  CHECK(canvas.pixel(278, 200) == black);
  CHECK(canvas.pixel(277, 200) == lightRed);
  CHECK(canvas.pixel(280, 200) == grey);
  // The same twips read back the same colours as at 100 %.
  CHECK(canvas.pixelAtTwips(1500, 1500) == lightRed);
  CHECK(canvas.pixelAtTwips(2095, 1500) == black);
  CHECK(canvas.pixelAtTwips(2100, 1500) == grey);
}

TEST_CASE("a drawing moved to a screen of another scale is drawn again, not lost or blurred") {
  Canvas canvas;
  canvas.resize(3000, 1500, 1.0);
  canvas.fill(grey);
  // A growing front: the small discs lie inside the last one.
  for (float radius : {150.0f, 300.0f, 450.0f}) canvas.circle(1500, 750, radius, black, lightRed);
  canvas.circle(2900, 100, 300, black, lightRed);  // clipped at the corner
  const std::vector<Color> atFirst = canvas.pixels();

  Canvas fresh;
  fresh.resize(3000, 1500, 2.0);
  fresh.fill(grey);
  fresh.circle(1500, 750, 450, black, lightRed);
  fresh.circle(2900, 100, 300, black, lightRed);
  canvas.resize(3000, 1500, 2.0);
  CHECK(canvas.width() == 400);
  CHECK(canvas.pixels() == fresh.pixels());
  // And back on the ordinary screen, every pixel as it was.
  canvas.resize(3000, 1500, 1.0);
  CHECK(canvas.pixels() == atFirst);
  // A fill forgets the drawing: nothing comes back at the next scale.
  canvas.fill(grey);
  canvas.resize(3000, 1500, 2.0);
  CHECK(canvas.pixelAtTwips(1500, 750) == grey);
}

TEST_CASE("a picture box draws in ForeColor and FillColor, and BackColor erases") {
  forms::testing::Session session;
  PictureBox* field = nullptr;
  formstest::TestForm form([&](formstest::TestForm& f) {
    field = f.make<PictureBox>(f, forms::Rect{120, 120, 2250, 1500});
  });
  form.show();
  field->setBackColor(grey);
  field->setForeColor(black);
  field->setFillColor(lightRed);
  const double ratio = form.pixelRatio();
  CHECK(field->canvas().width() == std::lround(150 * ratio));
  CHECK(field->canvas().height() == std::lround(100 * ratio));

  field->drawCircle(750, 750, 450);
  CHECK(field->pixelAt(750, 750) == lightRed);
  CHECK(field->pixelAt(750 + 445, 750) == black);
  CHECK(field->pixelAt(750 + 460, 750) == grey);

  field->setBackColor(grey);
  CHECK(field->pixelAt(750, 750) == grey);
  CHECK(field->pixelAt(750 + 445, 750) == grey);
  field->setBackColor(lightRed);
  CHECK(field->pixelAt(2000, 1400) == lightRed);
}

TEST_CASE(
    "the areas a drawing reports as changed hold every changed pixel, and a growing front "
    "reports its ring, not its disc") {
  Canvas canvas;
  canvas.resize(6495, 4455, 1.0);  // the plate: 433 x 297 pixels
  canvas.fill(grey);
  canvas.takeChangedAreas();
  int ringPixels = 0, reportedPixels = 0;
  for (float radius = 40; radius < 4000; radius += 19.5f) {
    const std::vector<Color> before = canvas.pixels();
    canvas.circle(3240, 2220, radius, black, lightRed);
    const std::vector<forms::PixelArea> areas = canvas.takeChangedAreas();
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        if (canvas.pixel(x, y) == before[static_cast<std::size_t>(y) * canvas.width() + x])
          continue;
        ++ringPixels;
        bool reported = false;
        for (const forms::PixelArea& a : areas) {
          reported = reported || (x >= a.left && x < a.right && y >= a.top && y < a.bottom);
        }
        REQUIRE_MESSAGE(reported, "radius " << radius << ": pixel " << x << ", " << y);
      }
    }
    for (const forms::PixelArea& a : areas)
      reportedPixels += (a.right - a.left) * (a.bottom - a.top);
  }
  // The rectangles hug the ring: a few times its pixels, far fewer than
  // the disc's box each tick.
  CHECK(reportedPixels < 4 * ringPixels);
}
