// Presses on the metal: the button that caused the press, the shift state
// and the point in twips of the pressed picture box, whether the press comes
// from a test or from the platform.
#include <doctest/doctest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::MouseEvent;
using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// A picture button at (600, 450) twips: a caption label, a grey pictogram
// rectangle and a line on it; a line on the form above it. Beside it a
// command button, and two labels of the form made after them that lie over
// the button's lower-left part and the picture button's lower-left corner,
// as a menu's version line lies over its last button.
struct Window {
  forms::PictureBox* field = nullptr;
  forms::FilledRect* shape = nullptr;
  forms::Line* line = nullptr;
  forms::Label* caption = nullptr;
  forms::CommandButton* button = nullptr;
  std::vector<forms::Label*> labelsOver;  // the button, the picture button
  std::vector<MouseEvent> presses;
  std::vector<std::string> clicks;
  TestForm form{[this](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{600, 450, 1695, 1215});
    caption = f.make<forms::Label>(*field, forms::Rect{120, 120, 615, 255}, "長方形");
    shape = f.make<forms::FilledRect>(*field, forms::Rect{120, 360, 1335, 735}, 0xE0E0E0, true);
    line = f.make<forms::Line>(f, forms::Point{0, 300}, forms::Point{2895, 300}, 0xC0FFC0);
    f.make<forms::Line>(*field, forms::Point{0, 1140}, forms::Point{1695, 1140}, 0x000000);
    button = f.make<forms::CommandButton>(f, forms::Rect{2100, 1800, 825, 375}, "おわり");
    for (const forms::Rect over :
         {forms::Rect{1500, 2040, 900, 210}, forms::Rect{300, 1500, 600, 255}}) {
      labelsOver.push_back(f.make<forms::Label>(f, over, "Velmora ver.1.0.0"));
      labelsOver.back()->onClick = [this] { clicks.push_back("label"); };
    }
    field->onMouseDown = [this](const MouseEvent& e) { presses.push_back(e); };
    field->onClick = [this] { clicks.push_back("field"); };
    caption->onClick = [this] { clicks.push_back("caption"); };
    button->onClick = [this] { clicks.push_back("button"); };
  }};
};

}  // namespace

TEST_CASE("a press reaches the handler with its button, shift state and twips") {
  Session session;
  Window w;
  w.form.show();
  forms::testing::mouseDown(*w.field, forms::rightButton, 150.5f, 30, 1);
  REQUIRE(w.presses.size() == 1);
  CHECK(w.presses[0].button == forms::rightButton);
  CHECK(w.presses[0].shift == 1);
  CHECK(w.presses[0].x == 150.5f);
  CHECK(w.presses[0].y == 30);
  CHECK(w.clicks.empty());
}

TEST_CASE("a real platform press arrives in the picture box's own twips") {
  Session session;
  Window w;
  w.form.show();
  // Window pixel (40 + 7, 30 + 3) is the field's pixel (7, 3).
  probe().press(w.form, 705, 495);
  probe().release(w.form, 705, 495);
  probe().press(w.form, 2100, 1500, forms::rightButton, 3);
  probe().release(w.form, 2100, 1500, forms::rightButton);
  probe().press(w.form, 615, 465, forms::middleButton);
  probe().release(w.form, 615, 465, forms::middleButton);
  REQUIRE(w.presses.size() == 3);
  // Exactly there, or (a platform whose presses are whole device pixels,
  // at a fractional ratio) within the device pixel it lies in.
  const double ratio = w.form.pixelRatio();
  const float within = ratio == std::floor(ratio) ? 0.0f : static_cast<float>(15 / ratio);
  CHECK(w.presses[0].button == forms::leftButton);
  CHECK(std::abs(w.presses[0].x - 105) <= within);
  CHECK(std::abs(w.presses[0].y - 45) <= within);
  CHECK(w.presses[0].shift == 0);
  CHECK(w.presses[1].button == forms::rightButton);
  CHECK(w.presses[1].shift == 3);
  CHECK(w.presses[1].x == 1500);
  CHECK(w.presses[1].y == 1050);
  CHECK(w.presses[2].button == forms::middleButton);
  // Only the left button clicks.
  CHECK(w.clicks == std::vector<std::string>{"field"});
}

TEST_CASE("a press on a pictogram rectangle or a line reaches the control beneath") {
  // Inside the grey rectangle of the field: (600 + 300, 450 + 600); on the
  // field's line: (600 + 300, 450 + 1140).
  Session session;
  Window w;
  w.form.show();
  SUBCASE("through the toolkit") {
    CHECK(forms::testing::clickAt(w.form, 900, 1050) == w.field);
    REQUIRE(w.presses.size() == 1);
    CHECK(w.presses[0].x == 300);
    CHECK(w.presses[0].y == 600);
    // On the line, over the form's background: the form itself.
    CHECK(forms::testing::clickAt(w.form, 150, 300) == &w.form);
    // The caption label takes its own clicks.
    CHECK(forms::testing::clickAt(w.form, 600 + 200, 450 + 200) == w.caption);
    CHECK(forms::testing::clickAt(w.form, 900, 450 + 1140) == w.field);
    CHECK(w.presses.back().y == 1140);
    CHECK(w.clicks == std::vector<std::string>{"field", "caption", "field"});
  }
  SUBCASE("through the platform") {
    probe().click(w.form, 900, 1050);
    REQUIRE(w.presses.size() == 1);
    CHECK(w.presses[0].x == 300);
    CHECK(w.presses[0].y == 600);
    probe().click(w.form, 800, 650);
    probe().click(w.form, 900, 450 + 1140);
    REQUIRE(w.presses.size() == 2);
    CHECK(w.presses[1].y == 1140);
    CHECK(w.clicks == std::vector<std::string>{"field", "caption", "field"});
  }
  SUBCASE("a hidden picture box lets the press through to the form") {
    int formPresses = 0;
    w.form.onMouseDown = [&](const MouseEvent&) { ++formPresses; };
    w.field->setVisible(false);
    CHECK(forms::testing::clickAt(w.form, 900, 1050) == &w.form);
    probe().click(w.form, 900, 1050);
    CHECK(formPresses == 2);
    CHECK(w.presses.empty());
  }
}

TEST_CASE("a press where a label lies over a button or a picture box reaches the button") {
  // Windowless controls lie beneath windowed ones, whichever was made last.
  Session session;
  Window w;
  w.form.show();
  SUBCASE("through the toolkit") {
    CHECK(forms::testing::clickAt(w.form, 2250, 2100) == w.button);
    CHECK(forms::testing::clickAt(w.form, 750, 1580) == w.field);
    CHECK(forms::testing::clickAt(w.form, 1700, 2100) == w.labelsOver[0]);
  }
  SUBCASE("through the platform") {
    probe().click(w.form, 2250, 2100);
    probe().click(w.form, 750, 1580);
    probe().click(w.form, 1700, 2100);
  }
  // Beside the button the label takes its own click.
  CHECK(w.clicks == std::vector<std::string>{"button", "field", "label"});
}

TEST_CASE("a right or middle press while the left button is down neither moves nor makes a click") {
  Session session;
  Window w;
  w.form.show();
  std::function<void(float, float, std::int16_t)> press;
  std::function<void(float, float, std::int16_t)> release;
  SUBCASE("through the toolkit") {
    press = [&](float x, float y, std::int16_t b) { forms::testing::pressAt(w.form, x, y, b); };
    release = [&](float x, float y, std::int16_t b) { forms::testing::releaseAt(w.form, x, y, b); };
  }
  SUBCASE("through the platform") {
    press = [&](float x, float y, std::int16_t b) { probe().press(w.form, x, y, b); };
    release = [&](float x, float y, std::int16_t b) { probe().release(w.form, x, y, b); };
  }
  for (const std::int16_t other : {forms::rightButton, forms::middleButton}) {
    CAPTURE(other);
    w.clicks.clear();
    // Left down on the picture button, the other button pressed and let go
    // on its caption, then the left let go where it went down: its click.
    press(900, 1050, forms::leftButton);
    press(800, 650, other);
    release(800, 650, other);
    CHECK(w.clicks.empty());
    release(900, 1050, forms::leftButton);
    CHECK(w.clicks == std::vector<std::string>{"field"});
    // The left let go on the caption: the other press did not make the
    // caption the control the click belongs to.
    press(900, 1050, forms::leftButton);
    press(800, 650, other);
    release(800, 650, other);
    release(800, 650, forms::leftButton);
    CHECK(w.clicks == std::vector<std::string>{"field"});
  }
}

TEST_CASE("a press that slides off its control before the release clicks nothing") {
  Session session;
  Window w;
  w.form.show();
  // From the caption onto the picture button around it, and back.
  SUBCASE("through the toolkit") {
    forms::testing::pressAt(w.form, 600 + 200, 450 + 200);
    forms::testing::releaseAt(w.form, 900, 1050);
    forms::testing::pressAt(w.form, 900, 1050);
    forms::testing::releaseAt(w.form, 600 + 200, 450 + 200);
  }
  SUBCASE("through the platform") {
    probe().press(w.form, 600 + 200, 450 + 200);
    probe().release(w.form, 900, 1050);
    probe().press(w.form, 900, 1050);
    probe().release(w.form, 600 + 200, 450 + 200);
  }
  CHECK(w.presses.size() == 1);
  CHECK(w.clicks.empty());
  // Off the form altogether, and a release with no press before it.
  probe().press(w.form, 900, 1050);
  probe().release(w.form, 4000, 1050);
  probe().release(w.form, 900, 1050);
  CHECK(w.clicks.empty());
  // Slid off and back onto the same control before letting go: a click.
  probe().press(w.form, 900, 1050);
  probe().release(w.form, 1000, 1100);
  CHECK(w.clicks == std::vector<std::string>{"field"});
}

TEST_CASE("a control holds its left and top edges, not its right and bottom ones") {
  Session session;
  Window w;
  w.form.show();
  CHECK(w.form.hitTest(600, 450) == w.field);
  CHECK(w.form.hitTest(599, 450) == &w.form);
  CHECK(w.form.hitTest(600 + 1694, 450 + 1214) == w.field);
  CHECK(w.form.hitTest(600 + 1695, 450 + 600) == &w.form);
  CHECK(w.form.hitTest(600 + 600, 450 + 1215) == &w.form);
  // The platform agrees: window pixel column 152 is the field's last.
  probe().click(w.form, 600 + 1680, 1000);
  probe().click(w.form, 600 + 1695, 1000);
  CHECK(w.clicks == std::vector<std::string>{"field"});
}

TEST_CASE("a marker inside the metal takes the press at its place") {
  Session session;
  forms::PictureBox* field = nullptr;
  forms::PictureBox* fire = nullptr;
  TestForm form([&](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{0, 0, 2250, 1500});
    fire = f.make<forms::PictureBox>(*field, forms::Rect{600, 600, 480, 480});
  });
  form.show();
  CHECK(field->hitTest(700, 700) == fire);
  CHECK(form.hitTest(700, 700) == fire);
  // Children are clipped to their container: beyond the field nothing.
  fire->setLeft(2000);
  CHECK(form.hitTest(2300, 700) == &form);
}
