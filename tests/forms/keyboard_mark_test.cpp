// The keyboard on the metal: the focus mark and the aiming cross the
// toolkit draws over a window once a key was pressed in it, the arrows
// moving the aim inside the box, and Enter or Space pressing there exactly
// as the mouse would. Everything through the platform's real keys and the
// pixels it shows.
#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "forms/keyboard_overlay.h"
#include "forms/pictures.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::Key;
using forms::MouseEvent;
using forms::Rect;
using forms::testing::probe;
using forms::testing::Screenshot;
using forms::testing::Session;
using formstest::TestForm;

namespace {

using formstest::grey;
constexpr std::int16_t shiftHeld = 1;

// Like a shape window: "もどる" first in the tab order, then a piece of
// metal that shows the burner cursor, then a card that shows none.
struct Window {
  forms::CommandButton* back = nullptr;
  forms::PictureBox* metal = nullptr;
  forms::PictureBox* card = nullptr;
  std::vector<MouseEvent> presses;
  int backPresses = 0;
  int cardClicks = 0;
  TestForm form{[this](TestForm& f) {
    back = f.make<forms::CommandButton>(f, Rect{1680, 120, 975, 375}, "もどる");
    back->onClick = [this] { ++backPresses; };
    metal = f.make<forms::PictureBox>(f, Rect{120, 660, 1800, 900});
    metal->setBackColor(grey);
    metal->setMouseIcon(forms::Cursor{forms::Picture{"fire.ico"}, 16, 16});
    metal->setMousePointer(forms::MousePointer::Custom);
    metal->setTabStop(true);
    metal->onMouseDown = [this](const MouseEvent& e) { presses.push_back(e); };
    card = f.make<forms::PictureBox>(f, Rect{2100, 1200, 600, 600});
    card->setBackColor(forms::systemColor(24));
    card->setTabStop(true);
    card->onClick = [this] { ++cardClicks; };
    f.tabOrder({back, metal, card});
  }};
  Screenshot shot() { return probe().screenshot(form); }
  // The cursor picture's colour at its hot spot: what the cross shows at
  // the aimed point.
  static forms::Color crossing() {
    const forms::PicturePixels& picture = forms::pixelsOf(forms::Picture{"fire.ico"});
    const std::uint32_t argb = picture.at(16, 16);
    return forms::rgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
  }
  forms::Color atAim(const Screenshot& s) const {
    return s.at(metal->left() + metal->aim().x, metal->top() + metal->aim().y);
  }
};

// A frame of the mark's colour lies just inside the control's box, all
// round, as thick as the ratio makes two pixels. Counted on the device
// pixels the toolkit snapped the box to: at 150 % an edge may fall mid-pixel.
void checkMarkAround(const Screenshot& s, const forms::Control& c) {
  const forms::PixelArea box = forms::devicePixelsOf(c);
  const int mark = static_cast<int>(std::lround(forms::focusMarkPixels * s.ratio));
  // The twips that the screenshot reads as device pixels left..right,
  // top..bottom (a quarter pixel in, so no rounding moves an edge).
  const auto pixels = [&s](int left, int top, int right, int bottom) {
    const auto twips = [&s](int device) {
      return static_cast<float>((device + 0.25) * forms::twipsPerPixel / s.ratio);
    };
    return Rect{twips(left), twips(top), twips(right) - twips(left), twips(bottom) - twips(top)};
  };
  const Rect edges[] = {pixels(box.left, box.top, box.right, box.top + mark),
                        pixels(box.left, box.bottom - mark, box.right, box.bottom),
                        pixels(box.left, box.top, box.left + mark, box.bottom),
                        pixels(box.right - mark, box.top, box.right, box.bottom)};
  for (const Rect& edge : edges) CHECK(s.count(edge, forms::focusMarkColour) == s.area(edge));
  // And no thicker: the pixels just inside it are the control's own.
  const Rect inside = pixels(box.left + mark, box.top + mark, box.right - mark, box.top + mark + 1);
  CHECK(s.count(inside, forms::focusMarkColour) == 0);
}

double luminance(forms::Color c) {
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(forms::redOf(c)) + 0.7152 * linear(forms::greenOf(c)) +
         0.0722 * linear(forms::blueOf(c));
}

double contrast(forms::Color a, forms::Color b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST_CASE("the focus mark and the aiming cross show only once a key was pressed in the window") {
  Session session;
  Window w;
  w.form.show();
  // Focus on the metal from the program, and a mouse press on it: no key
  // yet, so the window looks exactly as without the keyboard.
  w.form.setFocus(w.metal);
  probe().click(w.form, w.metal->left() + 30, w.metal->top() + 30);
  w.presses.clear();
  const Screenshot untouched = w.shot();
  CHECK(untouched.count(Rect{0, 0, 3000, 2250}, forms::focusMarkColour) == 0);
  CHECK(w.atAim(untouched) == grey);
  // The mark stands out against the window, the metal and the button.
  const forms::Color buttonFace = untouched.at(w.back->left() + 60, w.back->top() + 60);
  for (forms::Color around : {w.form.style().backColor, grey, buttonFace}) {
    CAPTURE(around);
    CHECK(contrast(forms::focusMarkColour, around) >= 3.0);
  }

  // The first real key: Shift+Tab and Tab again land on the metal.
  probe().key(w.form, Key::BackTab);
  probe().key(w.form, Key::Tab);
  REQUIRE(w.form.focused() == w.metal);
  Screenshot s = w.shot();
  checkMarkAround(s, *w.metal);
  CHECK(w.atAim(s) == Window::crossing());
  CHECK(w.metal->aim().x == w.metal->width() / 2);

  SUBCASE("the arrows move the cross by the step, with Shift by the fine step, inside the box") {
    const forms::Point centre = w.metal->aim();
    probe().key(w.form, Key::Right);
    probe().key(w.form, Key::Down, shiftHeld);
    CHECK(w.metal->aim().x == centre.x + forms::aimStep);
    CHECK(w.metal->aim().y == centre.y + forms::fineAimStep);
    s = w.shot();
    CHECK(w.atAim(s) == Window::crossing());
    CHECK(s.at(w.metal->left() + centre.x, w.metal->top() + centre.y - 60) == grey);
    for (int i = 0; i < 12; ++i) probe().key(w.form, Key::Left);
    for (int i = 0; i < 12; ++i) probe().key(w.form, Key::Down);
    CHECK(w.metal->aim().x == 0);
    CHECK(w.metal->aim().y == w.metal->height() - forms::twipsPerPixel);
    // Cut off at the box's edge, the cross never spills onto the window.
    s = w.shot();
    CHECK(s.count(Rect{0, 0, w.metal->left(), 2250}, Window::crossing()) == 0);
    checkMarkAround(s, *w.metal);
  }
  SUBCASE("Enter and Space press the metal at the cross exactly as the mouse there does") {
    probe().key(w.form, Key::Left, shiftHeld);
    probe().key(w.form, Key::Up);
    const forms::Point aim = w.metal->aim();
    probe().key(w.form, Key::Enter);
    probe().key(w.form, Key::Space);
    probe().press(w.form, w.metal->left() + aim.x, w.metal->top() + aim.y);
    probe().release(w.form, w.metal->left() + aim.x, w.metal->top() + aim.y);
    REQUIRE(w.presses.size() == 3);
    // The keys press exactly at the aim; a platform whose mouse lands on
    // whole device pixels puts the mouse's press within the pixel it lies in
    // when the ratio is fractional.
    const double ratio = w.form.pixelRatio();
    const float within = ratio == std::floor(ratio) ? 0.0f : static_cast<float>(15 / ratio);
    for (std::size_t i = 0; i < w.presses.size(); ++i) {
      const MouseEvent& e = w.presses[i];
      const float allowed = i < 2 ? 0.0f : within;
      CHECK(e.button == forms::leftButton);
      CHECK(e.shift == 0);
      CHECK(std::abs(e.x - aim.x) <= allowed);
      CHECK(std::abs(e.y - aim.y) <= allowed);
    }
  }
  SUBCASE("with the arrow cursor (the metal heating) the cross hides and the arrows stay") {
    w.metal->setMousePointer(forms::MousePointer::Default);
    const forms::Point aim = w.metal->aim();
    probe().key(w.form, Key::Right);
    CHECK(w.metal->aim().x == aim.x);
    s = w.shot();
    CHECK(w.atAim(s) == grey);
    checkMarkAround(s, *w.metal);
  }
  SUBCASE("the mark follows the focus to a button, and Enter presses it once") {
    probe().key(w.form, Key::BackTab);
    s = w.shot();
    checkMarkAround(s, *w.back);
    CHECK(s.count(w.metal->rect(), forms::focusMarkColour) == 0);
    CHECK(s.count(w.metal->rect(), Window::crossing()) == 0);
    probe().key(w.form, Key::Enter);
    CHECK(w.backPresses == 1);
  }
  SUBCASE("a press of the mouse takes the marks away until the next key") {
    probe().click(w.form, w.metal->left() + 30, w.metal->top() + 30);
    s = w.shot();
    CHECK(s.count(Rect{0, 0, 3000, 2250}, forms::focusMarkColour) == 0);
    CHECK(w.atAim(s) == grey);
    probe().key(w.form, Key::Right);
    s = w.shot();
    checkMarkAround(s, *w.metal);
    CHECK(w.atAim(s) == Window::crossing());
  }
  SUBCASE("a card without a cursor opens with Enter or Space: one click each") {
    probe().key(w.form, Key::Tab);
    REQUIRE(w.form.focused() == w.card);
    checkMarkAround(w.shot(), *w.card);
    probe().key(w.form, Key::Right);
    CHECK(w.card->aim().x == w.card->width() / 2);
    probe().key(w.form, Key::Enter);
    probe().key(w.form, Key::Space);
    CHECK(w.cardClicks == 2);
  }
}
