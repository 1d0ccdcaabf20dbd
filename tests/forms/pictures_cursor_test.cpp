// The pictures compiled into the program reach every backend as pixels, a
// window carries its icon, caption and fixed size, and the metal shows the
// flame-and-cross cursor while idle.
#include <doctest/doctest.h>

#include "forms/pictures.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::Picture;
using forms::pixelsOf;
using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

constexpr std::uint32_t transparent = 0x00000000;
constexpr std::uint32_t opaqueBlue = 0xFF0000FF;

int transparentCount(const forms::PicturePixels& picture) {
  int n = 0;
  for (std::uint32_t p : picture.argb) n += (p >> 24) == 0;
  return n;
}

}  // namespace

TEST_CASE("the lamp icon, the flame-and-cross icon and the menu picture are compiled in") {
  const forms::PicturePixels& lamp = pixelsOf(Picture{"lamp.ico"});
  const forms::PicturePixels& fire = pixelsOf(Picture{"fire.ico"});
  const forms::PicturePixels& menu = pixelsOf(Picture{"menu.gif"});
  CHECK(lamp.width == 32);
  CHECK(lamp.height == 32);
  REQUIRE(fire.argb.size() == 32u * 32u);
  CHECK(menu.width == 129);
  CHECK(menu.height == 178);
  // The two blue lines cross at the cursor's hot spot; the corners between
  // them are transparent, so the light-red marker box shows through.
  CHECK(fire.at(16, 16) == opaqueBlue);
  CHECK(fire.at(0, 0) == opaqueBlue);
  CHECK(fire.at(31, 31) == opaqueBlue);
  CHECK(fire.at(16, 2) == transparent);
  CHECK(fire.at(16, 22) != transparent);  // the flame
  // The menu picture's background is transparent over the menu's grey;
  // its drawing is not.
  CHECK(menu.at(0, 0) == transparent);
  CHECK(transparentCount(menu) > 129 * 178 / 3);
  CHECK(transparentCount(menu) < 129 * 178);
  CHECK(transparentCount(lamp) > 0);
  CHECK(pixelsOf(Picture{"missing.gif"}).empty());
  CHECK(pixelsOf(Picture{}).empty());
}

TEST_CASE("a window carries its icon, caption and fixed size") {
  Session session;
  auto style = formstest::testStyle();
  style.icon = Picture{"lamp.ico"};
  style.clientWidth = 8640;
  style.clientHeight = 5610;
  TestForm form([](TestForm&) {}, style);
  form.show();
  const forms::testing::ShownWindow window = probe().window(form);
  CHECK(window.visible);
  CHECK(window.hasIcon);
  CHECK(window.title == "Velmora：テスト");
  CHECK(window.clientWidth == 576);
  CHECK(window.clientHeight == 374);
  CHECK_FALSE(window.resizable);
  CHECK_FALSE(window.minimiseButton);
  CHECK_FALSE(window.maximiseButton);
  // The physics reads the outer width: client plus the fixed frame, the
  // same through a Control& as through the form.
  CHECK(form.width() == 8730);
  const forms::Control& control = form;
  CHECK(control.width() == 8730);
  CHECK(form.clientWidth() == 8640);
}

TEST_CASE("a marker shows its picture over its background") {
  Session session;
  forms::PictureBox* fire = nullptr;
  TestForm form([&](TestForm& f) {
    fire = f.make<forms::PictureBox>(f, forms::Rect{150, 150, 480, 480});
    fire->setBackColor(0x8080FF);
    fire->setPicture(Picture{"fire.ico"});
  });
  form.show();
  const forms::testing::Screenshot image = probe().screenshot(form);
  const int ratio2 = static_cast<int>(image.ratio * image.ratio);
  // The icon's 32 x 32 pixels hide part of the box; beyond them, and
  // between the blue lines, the light-red background shows.
  CHECK(image.count(fire->rect(), 0x8080FF) > 32 * 32 * ratio2 / 2);
  CHECK(image.count(fire->rect(), 0x8080FF) < 32 * 32 * ratio2);
  CHECK(image.at(150 + 16 * 15 + 7, 150 + 2 * 15 + 7) == 0x8080FF);
  CHECK(image.at(150 + 16 * 15 + 7, 150 + 24 * 15 + 7) == 0xFFFFFF);  // the flame's core
}

TEST_CASE("the custom cursor is set on the metal and reset to the arrow") {
  Session session;
  forms::PictureBox* field = nullptr;
  TestForm form([&](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{150, 150, 1500, 900});
    field->setMouseIcon(forms::Cursor{Picture{"fire.ico"}, 16, 16});
    field->setMousePointer(forms::MousePointer::Custom);
  });
  form.show();
  forms::testing::ShownCursor shown = probe().cursorAt(form, 600, 600);
  CHECK(shown.custom);
  CHECK(shown.hotX == 16);
  CHECK(shown.hotY == 16);
  CHECK(shown.width == 32);
  CHECK(shown.height == 32);
  // Beside the metal, the arrow.
  CHECK_FALSE(probe().cursorAt(form, 1800, 600).custom);
  field->setMousePointer(forms::MousePointer::Default);
  CHECK_FALSE(probe().cursorAt(form, 600, 600).custom);
  field->setMousePointer(forms::MousePointer::Custom);
  CHECK(probe().cursorAt(form, 600, 600).custom);
}
