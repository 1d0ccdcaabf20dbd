// The speed options: the layout's selection is quiet, a selection in code
// or by the child always raises the click, and a group is one parent.
#include <doctest/doctest.h>

#include <vector>

#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::OptionButton;
using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

constexpr forms::Color tooltip = forms::systemColor(24);

// Three speed options on the form, the middle one selected by the layout;
// every click is recorded by index.
struct SpeedWindow {
  std::vector<OptionButton*> speed;
  std::vector<int> clicks;
  TestForm form{[this](TestForm& f) {
    speed.clear();
    const char* captions[] = {"ゆっくり", "ふつう", "はやい"};
    for (int i = 0; i < 3; ++i) {
      auto* option = f.make<OptionButton>(f, forms::Rect{1500, 600.0f + 240 * i, 975, 255},
                                          captions[i], tooltip, i == 1);
      option->onClick = [this, i] { clicks.push_back(i); };
      speed.push_back(option);
    }
  }};
};

std::vector<bool> values(const std::vector<OptionButton*>& options) {
  std::vector<bool> v;
  for (auto* o : options) v.push_back(o->value());
  return v;
}

}  // namespace

TEST_CASE("building the layout selects the option quietly") {
  Session session;
  SpeedWindow w;
  w.form.show();
  CHECK(w.clicks.empty());
  CHECK(values(w.speed) == std::vector<bool>{false, true, false});

  SUBCASE("a later option built selected clears the earlier one without a click") {
    std::vector<int> firstClicks;
    TestForm form([&](TestForm& f) {
      auto* a = f.make<OptionButton>(f, forms::Rect{0, 0, 900, 255}, "a", tooltip, true);
      a->onClick = [&] { firstClicks.push_back(0); };
      auto* b = f.make<OptionButton>(f, forms::Rect{0, 300, 900, 255}, "b", tooltip, true);
      CHECK_FALSE(a->value());
      CHECK(b->value());
    });
    form.show();
    CHECK(firstClicks.empty());
  }
  SUBCASE("the platform's radio buttons show the same selection") {
    CHECK_FALSE(probe().shownSelected(*w.speed[0]));
    CHECK(probe().shownSelected(*w.speed[1]));
  }
}

TEST_CASE("selecting in code raises the click, even when already selected") {
  Session session;
  SpeedWindow w;
  w.form.whenLoaded = [&] { w.speed[1]->select(); };  // what onLoad does for speed 50
  w.form.show();
  CHECK(w.clicks == std::vector<int>{1});
  w.speed[2]->select();
  CHECK(w.clicks == std::vector<int>{1, 2});
  CHECK(values(w.speed) == std::vector<bool>{false, false, true});
  CHECK(probe().shownSelected(*w.speed[2]));
  CHECK_FALSE(probe().shownSelected(*w.speed[1]));
}

TEST_CASE("an option button fills its rectangle with its own background colour") {
  Session session;
  OptionButton* option = nullptr;
  TestForm form([&](TestForm& f) {
    option = f.make<OptionButton>(f, forms::Rect{150, 150, 975, 255}, "はやい", 0xE0E0E0);
  });
  form.show();
  const forms::testing::Screenshot image = probe().screenshot(form);
  // Its far right end, beyond the caption.
  CHECK(image.at(150 + 960, 150 + 120) == 0xE0E0E0);
  CHECK(image.at(150 + 975 + 15, 150 + 120) == tooltip);
}

TEST_CASE("groups are formed by parent: options in a picture box do not clear the form's") {
  Session session;
  OptionButton* onForm = nullptr;
  OptionButton* inBox = nullptr;
  TestForm form([&](TestForm& f) {
    onForm = f.make<OptionButton>(f, forms::Rect{0, 0, 900, 255}, "a", tooltip, true);
    auto* box = f.make<forms::PictureBox>(f, forms::Rect{0, 600, 1500, 900});
    inBox = f.make<OptionButton>(*box, forms::Rect{0, 0, 900, 255}, "b", tooltip, false);
  });
  form.show();
  inBox->select();
  CHECK(onForm->value());
  CHECK(inBox->value());
  CHECK(onForm->group() == std::vector<OptionButton*>{onForm});
}

TEST_CASE("the child selects an option by mouse or arrow keys, raising its click") {
  Session session;
  SpeedWindow w;
  w.form.show();

  SUBCASE("a click selects") {
    forms::testing::click(*w.speed[0]);
    CHECK(w.clicks == std::vector<int>{0});
    CHECK(values(w.speed) == std::vector<bool>{true, false, false});
  }
  SUBCASE("a real mouse click on the radio button's indicator selects") {
    probe().click(w.form, 1500 + 90, 600 + 120);
    CHECK(w.clicks == std::vector<int>{0});
    CHECK(values(w.speed) == std::vector<bool>{true, false, false});
    // Clicking the selected one again keeps it selected and raises again.
    probe().click(w.form, 1500 + 90, 600 + 120);
    CHECK(w.clicks == std::vector<int>{0, 0});
    CHECK(probe().shownSelected(*w.speed[0]));
  }
  SUBCASE("a real click anywhere in its rectangle selects, as the hit test says") {
    // Beyond the short caption, at the far right end.
    probe().click(w.form, 1500 + 960, 600 + 240 * 2 + 120);
    CHECK(w.clicks == std::vector<int>{2});
  }
  SUBCASE("arrow keys select the next and previous option, wrapping, and move the focus") {
    w.form.setFocus(w.speed[1]);
    forms::testing::pressKey(w.form, forms::Key::Down);
    CHECK(w.form.focused() == w.speed[2]);
    forms::testing::pressKey(w.form, forms::Key::Right);
    CHECK(w.form.focused() == w.speed[0]);
    forms::testing::pressKey(w.form, forms::Key::Up);
    CHECK(w.form.focused() == w.speed[2]);
    forms::testing::pressKey(w.form, forms::Key::Left);
    CHECK(w.clicks == std::vector<int>{2, 0, 2, 1});
    CHECK(values(w.speed) == std::vector<bool>{false, true, false});
  }
  SUBCASE("arrow keys skip a hidden option") {
    w.speed[2]->setVisible(false);
    w.form.setFocus(w.speed[1]);
    forms::testing::pressKey(w.form, forms::Key::Down);
    CHECK(w.form.focused() == w.speed[0]);
  }
  SUBCASE("real arrow and space keys on the focused radio button go the same way") {
    w.form.setFocus(w.speed[1]);
    probe().key(w.form, forms::Key::Down);
    CHECK(w.clicks == std::vector<int>{2});
    CHECK(w.form.focused() == w.speed[2]);
    CHECK(probe().platformFocus(w.form) == w.speed[2]);
    probe().key(w.form, forms::Key::Space);
    CHECK(w.clicks == std::vector<int>{2, 2});
  }
}
