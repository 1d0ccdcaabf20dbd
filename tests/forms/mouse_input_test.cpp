// Presses on the metal: the button that caused the press, the shift state
// and the point in twips of the pressed picture box, whether the press comes
// from a test or from the platform.
#include <doctest/doctest.h>

#include <vector>

#include "forms/testing.h"
#include "qt_probe.h"
#include "test_form.h"

using forms::MouseEvent;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// A piece of metal at (600, 450) twips with a grey pictogram rectangle and
// a line on it, and a label beside it.
struct Window {
  forms::PictureBox* field = nullptr;
  forms::FilledRect* shape = nullptr;
  forms::Line* line = nullptr;
  forms::Label* caption = nullptr;
  std::vector<MouseEvent> presses;
  std::vector<std::string> clicks;
  TestForm form{[this](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{600, 450, 1695, 1215});
    caption = f.make<forms::Label>(*field, forms::Rect{120, 120, 615, 255}, "長方形");
    shape = f.make<forms::FilledRect>(*field, forms::Rect{120, 360, 1335, 735}, 0xE0E0E0, true);
    line = f.make<forms::Line>(f, forms::Point{0, 300}, forms::Point{2895, 300}, 0xC0FFC0);
    field->onMouseDown = [this](const MouseEvent& e) { presses.push_back(e); };
    field->onClick = [this] { clicks.push_back("field"); };
    caption->onClick = [this] { clicks.push_back("caption"); };
  }};
};

}  // namespace

TEST_CASE("a press reaches the handler with its button, shift state and twips") {
  Session session;
  Window w;
  w.form.Show();
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
  w.form.Show();
  // Window pixel (40 + 7, 30 + 3) is the field's pixel (7, 3).
  formstest::sendMouse(w.form, QEvent::MouseButtonPress, QPointF(47, 33), Qt::LeftButton);
  formstest::sendMouse(w.form, QEvent::MouseButtonRelease, QPointF(47, 33), Qt::LeftButton);
  formstest::sendMouse(w.form, QEvent::MouseButtonPress, QPointF(140, 100), Qt::RightButton,
                       Qt::ShiftModifier | Qt::ControlModifier);
  formstest::sendMouse(w.form, QEvent::MouseButtonRelease, QPointF(140, 100), Qt::RightButton);
  formstest::sendMouse(w.form, QEvent::MouseButtonPress, QPointF(41, 31), Qt::MiddleButton);
  REQUIRE(w.presses.size() == 3);
  CHECK(w.presses[0].button == forms::leftButton);
  CHECK(w.presses[0].x == 105);
  CHECK(w.presses[0].y == 45);
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
  Session session;
  Window w;
  w.form.Show();
  // Inside the grey rectangle of the field: (600 + 300, 450 + 600).
  SUBCASE("through the toolkit") {
    CHECK(forms::testing::clickAt(w.form, 900, 1050) == w.field);
    REQUIRE(w.presses.size() == 1);
    CHECK(w.presses[0].x == 300);
    CHECK(w.presses[0].y == 600);
    // On the line, over the form's background: the form itself.
    CHECK(forms::testing::clickAt(w.form, 150, 300) == &w.form);
    // The caption label takes its own clicks.
    CHECK(forms::testing::clickAt(w.form, 600 + 200, 450 + 200) == w.caption);
    CHECK(w.clicks == std::vector<std::string>{"field", "caption"});
  }
  SUBCASE("through the platform") {
    formstest::pressAndRelease(w.form, QPointF(900 / 15, 1050 / 15));
    REQUIRE(w.presses.size() == 1);
    CHECK(w.presses[0].x == 300);
    CHECK(w.presses[0].y == 600);
    formstest::pressAndRelease(w.form, QPointF(800 / 15, 650 / 15));
    CHECK(w.clicks == std::vector<std::string>{"field", "caption"});
  }
  SUBCASE("a hidden picture box lets the press through to the form") {
    int formPresses = 0;
    w.form.onMouseDown = [&](const MouseEvent&) { ++formPresses; };
    w.field->setVisible(false);
    CHECK(forms::testing::clickAt(w.form, 900, 1050) == &w.form);
    formstest::pressAndRelease(w.form, QPointF(900 / 15, 1050 / 15));
    CHECK(formPresses == 2);
    CHECK(w.presses.empty());
  }
}

TEST_CASE("a marker inside the metal takes the press at its place") {
  Session session;
  forms::PictureBox* field = nullptr;
  forms::PictureBox* fire = nullptr;
  TestForm form([&](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{0, 0, 2250, 1500});
    fire = f.make<forms::PictureBox>(*field, forms::Rect{600, 600, 480, 480});
  });
  form.Show();
  CHECK(field->hitTest(700, 700) == fire);
  CHECK(form.hitTest(700, 700) == fire);
  // Children are clipped to their container: beyond the field nothing.
  fire->setLeft(2000);
  CHECK(form.hitTest(2300, 700) == &form);
}
