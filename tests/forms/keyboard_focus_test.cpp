// The keyboard: the first control of the tab order holds the focus when a
// window opens, Tab and Shift+Tab walk the visible ones, Space presses.
#include <doctest/doctest.h>

#include <vector>

#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::CommandButton;
using forms::Key;
using forms::OptionButton;
using forms::testing::pressKey;
using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

// Like a simulation window: "もう一度" built before "もどる" but hidden,
// "もどる" first in the tab order, then two options.
struct Window {
  CommandButton* retry = nullptr;
  CommandButton* back = nullptr;
  OptionButton* slow = nullptr;
  OptionButton* fast = nullptr;
  std::vector<std::string> presses;
  TestForm form{[this](TestForm& f) {
    retry = f.make<CommandButton>(f, forms::Rect{600, 120, 975, 375}, "もう一度");
    retry->setVisible(false);
    back = f.make<CommandButton>(f, forms::Rect{1680, 120, 975, 375}, "もどる");
    slow = f.make<OptionButton>(f, forms::Rect{1680, 1200, 975, 255}, "ゆっくり",
                                forms::systemColor(24), true);
    fast = f.make<OptionButton>(f, forms::Rect{1680, 1440, 975, 255}, "はやい",
                                forms::systemColor(24));
    retry->onClick = [this] { presses.push_back("retry"); };
    back->onClick = [this] { presses.push_back("back"); };
    f.tabOrder({back, retry, slow, fast});
  }};
};

}  // namespace

TEST_CASE("a window opens with the focus on the first visible control of its tab order") {
  Session session;
  Window w;
  w.form.show();
  CHECK(w.form.focused() == w.back);
  CHECK(probe().platformFocus(w.form) == w.back);

  SUBCASE("Tab walks the tab order, skipping the hidden button, and wraps") {
    pressKey(w.form, Key::Tab);
    CHECK(w.form.focused() == w.slow);
    pressKey(w.form, Key::Tab);
    CHECK(w.form.focused() == w.back);
    pressKey(w.form, Key::BackTab);
    CHECK(w.form.focused() == w.slow);
  }
  SUBCASE("Tab stops once in an option group, at the selected option") {
    w.fast->select();
    pressKey(w.form, Key::Tab);
    CHECK(w.form.focused() == w.fast);
    pressKey(w.form, Key::BackTab);
    CHECK(w.form.focused() == w.back);
    // The arrow keys still walk the group.
    pressKey(w.form, Key::Tab);
    pressKey(w.form, Key::Up);
    CHECK(w.form.focused() == w.slow);
    CHECK(w.slow->value());
  }
  SUBCASE("a button shown later takes its place in the order") {
    w.retry->setVisible(true);
    pressKey(w.form, Key::Tab);
    CHECK(w.form.focused() == w.retry);
  }
  SUBCASE("Space presses the focused button once") {
    pressKey(w.form, Key::Space);
    CHECK(w.presses == std::vector<std::string>{"back"});
  }
  SUBCASE("real Tab and Space keys go through the toolkit, and the platform's focus follows") {
    probe().key(w.form, Key::Tab);
    CHECK(w.form.focused() == w.slow);
    CHECK(probe().platformFocus(w.form) == w.slow);
    probe().key(w.form, Key::BackTab);
    CHECK(w.form.focused() == w.back);
    // The platform button would click on the release as well: one press only.
    probe().key(w.form, Key::Space);
    CHECK(w.presses == std::vector<std::string>{"back"});
  }
  SUBCASE("hiding the focused button passes the focus on") {
    w.retry->setVisible(true);
    w.form.setFocus(w.retry);
    w.retry->setVisible(false);
    CHECK(w.form.focused() == w.slow);
    pressKey(w.form, Key::Space);
    CHECK(w.presses.empty());
  }
  SUBCASE("a hidden control cannot take the focus") {
    w.form.setFocus(w.retry);
    CHECK(w.form.focused() == w.back);
  }
}

TEST_CASE("a window shown again keeps its focus; opened again it starts from the tab order") {
  Session session;
  Window w;
  w.form.show();
  pressKey(w.form, Key::Tab);
  w.form.hide();
  w.form.show();
  CHECK(w.form.focused() == w.slow);
  w.form.close();
  CHECK(w.form.focused() == nullptr);
  w.form.show();
  CHECK(w.form.focused() == w.back);
}

TEST_CASE("a mouse press on a button moves the toolkit's focus there") {
  Session session;
  Window w;
  w.form.show();
  REQUIRE(probe().platformFocus(w.form) == w.back);
  probe().click(w.form, 1680 + 90, 1440 + 120);
  CHECK(w.form.focused() == w.fast);
  CHECK(probe().platformFocus(w.form) == w.fast);
}

TEST_CASE("a picture box that is a tab stop takes its turn; one that is not is passed over") {
  Session session;
  forms::PictureBox* metal = nullptr;
  forms::PictureBox* marker = nullptr;
  CommandButton* back = nullptr;
  TestForm form{[&](TestForm& f) {
    back = f.make<CommandButton>(f, forms::Rect{1680, 120, 975, 375}, "もどる");
    metal = f.make<forms::PictureBox>(f, forms::Rect{120, 840, 1200, 600});
    metal->setTabStop(true);
    marker = f.make<forms::PictureBox>(f, forms::Rect{120, 1800, 480, 480});
    f.tabOrder({back, metal, marker});
  }};
  form.show();
  pressKey(form, Key::Tab);
  CHECK(form.focused() == metal);
  CHECK(probe().platformFocus(form) == metal);
  // A real Tab with the focus on the box still goes through the toolkit.
  probe().key(form, Key::Tab);
  CHECK(form.focused() == back);
}
