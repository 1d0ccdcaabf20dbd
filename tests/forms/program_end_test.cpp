// "おわり": the whole program stops at once, every window closes, and no
// handler of any window runs afterwards, not even a timer already due.
#include <doctest/doctest.h>

#include "forms/application.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

struct Menu {
  forms::CommandButton* owari = nullptr;
  forms::PictureBox* picture = nullptr;
  TestForm form{[this](TestForm& f) {
    owari = f.make<forms::CommandButton>(f, forms::Rect{1200, 1500, 1335, 375}, "おわり");
    owari->onClick = [] { forms::endProgram(); };
    picture = f.make<forms::PictureBox>(f, forms::Rect{120, 120, 1695, 1215});
  }};
};

struct Simulation {
  forms::Timer* timer = nullptr;
  forms::PictureBox* field = nullptr;
  TestForm form{[this](TestForm& f) {
    timer = f.timer(50);
    field = f.make<forms::PictureBox>(f, forms::Rect{120, 120, 1500, 900});
  }};
};

}  // namespace

TEST_CASE("ending the program closes every window and no handler runs afterwards") {
  Session session;
  Menu menu;
  Simulation simulation;
  int handlers = 0;
  menu.form.show();
  simulation.form.show();
  simulation.timer->onTimer = [&] { ++handlers; };
  simulation.timer->setEnabled(true);
  session.advance(50);
  CHECK(handlers == 1);

  forms::testing::click(*menu.owari);
  CHECK(forms::programEnded());
  CHECK_FALSE(menu.form.loaded());
  CHECK_FALSE(simulation.form.loaded());
  CHECK_FALSE(menu.form.visible());
  CHECK_FALSE(probe().window(menu.form).visible);
  CHECK_FALSE(probe().window(simulation.form).visible);
  CHECK(menu.form.ownedControlCount() == 0);
  CHECK(simulation.form.ownedTimerCount() == 0);

  // Nothing brings a window or a handler back.
  menu.form.whenLoaded = [&] { ++handlers; };
  menu.form.whenCloseBox = [&] { ++handlers; };
  menu.form.show();
  CHECK_FALSE(menu.form.loaded());
  forms::testing::closeBox(menu.form);
  session.advance(1000);
  CHECK(handlers == 1);
}

TEST_CASE("after the end, ticks and clicks of a surviving control run nothing") {
  Session session;
  int handlers = 0;
  // A timer and a control outside any form's life cycle, as a program
  // might keep by mistake.
  Simulation simulation;
  simulation.form.show();
  forms::Timer stray(50);
  stray.onTimer = [&] { ++handlers; };
  stray.setEnabled(true);
  forms::PictureBox box(simulation.form, forms::Rect{0, 0, 600, 600});
  box.onClick = [&] { ++handlers; };
  box.onMouseDown = [&](const forms::MouseEvent&) { ++handlers; };
  forms::endProgram();
  session.advance(500);
  forms::testing::click(box);
  forms::testing::mouseDown(box, forms::rightButton, 10, 10);
  stray.fire();
  CHECK(handlers == 0);
}

TEST_CASE("ending the program from a handler leaves the running event loop") {
  Session session;
  Menu menu;
  menu.form.show();
  // "おわり" clicked from inside the loop; a loop nothing left ends after
  // 5 s with -1.
  CHECK(probe().runEventLoop([&] { probe().click(menu.form, 1200 + 300, 1500 + 150); }, 5000) == 0);
  CHECK(forms::programEnded());
}

TEST_CASE("the next session starts with the program running again") {
  {
    Session session;
    forms::endProgram();
    CHECK(forms::programEnded());
  }
  Session session;
  CHECK_FALSE(forms::programEnded());
  Menu menu;
  menu.form.show();
  CHECK(menu.form.loaded());
}
