// A window's controls live from its opening to its closing; the window
// object itself lives on. Handlers may close their own window.
#include <doctest/doctest.h>

#include "forms/application.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// A simulation-like window: metal with a marker inside, buttons, a timer.
struct Window {
  forms::CommandButton* back = nullptr;
  forms::PictureBox* field = nullptr;
  forms::Timer* timer = nullptr;
  TestForm form{[this](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{120, 600, 2250, 1200});
    f.make<forms::PictureBox>(*field, forms::Rect{0, 0, 480, 480});
    f.make<forms::Label>(f, forms::Rect{120, 120, 1500, 375}, "の板の熱の伝わり方");
    back = f.make<forms::CommandButton>(f, forms::Rect{1800, 120, 975, 375}, "もどる");
    timer = f.timer(50);
  }};
};

}  // namespace

TEST_CASE("closing a window destroys its controls and timers, opening builds them again") {
  Session session;
  const int before = forms::liveObjectCount();
  Window w;
  CHECK(forms::liveObjectCount() == before + 1);  // the window object alone
  w.form.show();
  CHECK(w.form.loads == 1);
  CHECK(w.form.ownedControlCount() == 4);
  CHECK(w.form.ownedTimerCount() == 1);
  CHECK(forms::liveObjectCount() == before + 6);
  for (int opening = 0; opening < 3; ++opening) {
    w.form.close();
    CHECK(forms::liveObjectCount() == before + 1);
    CHECK_FALSE(probe().window(w.form).visible);
    w.form.show();
  }
  CHECK(w.form.loads == 4);
  // The closed window's platform widgets are really gone once the event
  // loop has had its turn.
  w.form.close();
  session.advance(0);
  const int closed = probe().platformObjectCount();
  w.form.show();
  w.form.close();
  session.advance(0);
  CHECK(probe().platformObjectCount() == closed);
  w.form.show();
  // Hiding is not closing: the controls stay, onLoad does not run again.
  w.form.hide();
  w.form.show();
  CHECK(w.form.loads == 6);
  CHECK(forms::liveObjectCount() == before + 6);
}

TEST_CASE("a button may close its own window inside its click") {
  Session session;
  Window w;
  Window menu;
  menu.form.show();
  w.form.show();
  w.form.whenLoaded = [&] {};
  int clicks = 0;
  auto wire = [&] {
    w.back->onClick = [&] {
      ++clicks;
      menu.form.show();
      w.form.close();
    };
  };

  SUBCASE("through the toolkit") {
    wire();
    forms::testing::click(*w.back);
  }
  SUBCASE("through a real mouse click on the platform button") {
    wire();
    probe().click(w.form, 1800 + 450, 120 + 180);
  }
  SUBCASE("through the Space key on the focused button") {
    wire();
    w.form.setFocus(w.back);
    probe().key(w.form, forms::Key::Space);
  }
  CHECK(clicks == 1);
  CHECK_FALSE(w.form.loaded());
  CHECK(menu.form.visible());
  // The window opens again afterwards, from its layout.
  w.form.show();
  CHECK(w.form.loaded());
  CHECK(w.form.ownedControlCount() == 4);
}

TEST_CASE("a press that closes the window is not followed by a click on freed controls") {
  Session session;
  Window w;
  w.form.show();
  int clicks = 0;
  w.field->onMouseDown = [&](const forms::MouseEvent&) { w.form.close(); };
  w.field->onClick = [&] { ++clicks; };
  CHECK(forms::testing::clickAt(w.form, 1000, 1000) != nullptr);
  CHECK(clicks == 0);
  CHECK_FALSE(w.form.loaded());
}

TEST_CASE("the close box runs the window's own choice") {
  Session session;
  Window w;
  w.form.show();
  SUBCASE("by default the window closes") {
    forms::testing::closeBox(w.form);
    CHECK_FALSE(w.form.loaded());
  }
  SUBCASE("a window may end the program instead") {
    w.form.whenCloseBox = [] { forms::endProgram(); };
    probe().closeBox(w.form);
    CHECK(forms::programEnded());
    CHECK_FALSE(w.form.loaded());
  }
}
