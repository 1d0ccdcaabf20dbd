// What a screen reader hears: the name, description and role the program
// gives a control reach the platform's accessibility, also when they
// change, and an announcement reaches the platform's path for it.
#include <doctest/doctest.h>

#include "app/program.h"
#include "forms/probe.h"
#include "forms/testing.h"
#include "test_form.h"

using forms::AccessibleRole;
using forms::testing::probe;
using forms::testing::Session;
using formstest::TestForm;

namespace {

void checkHeard(const forms::Control& control, const std::string& name,
                const std::string& description, AccessibleRole role) {
  const forms::testing::ShownAccessible heard = probe().accessible(control);
  CHECK(heard.name == name);
  CHECK(heard.description == description);
  CHECK(heard.role == role);
}

}  // namespace

TEST_CASE("a screen reader hears each control's name, description and role") {
  Session session;
  forms::PictureBox* metal = nullptr;
  forms::PictureBox* marker = nullptr;
  forms::Image* picture = nullptr;
  forms::CommandButton* back = nullptr;
  forms::OptionButton* slow = nullptr;
  forms::Label* label = nullptr;
  TestForm form([&](TestForm& f) {
    metal = f.make<forms::PictureBox>(f, forms::Rect{150, 150, 1500, 900});
    metal->setTabStop(true);
    metal->setAccessibleName("金ぞくの板");
    metal->setAccessibleDescription("おした ところを 熱します。");
    marker = f.make<forms::PictureBox>(*metal, forms::Rect{150, 150, 480, 480});
    picture = f.make<forms::Image>(f, forms::Rect{1800, 150, 480, 480}, forms::Picture{"fire.ico"});
    picture->setAccessibleName("ほのお");
    back = f.make<forms::CommandButton>(f, forms::Rect{1800, 900, 975, 375}, "もどる");
    back->setAccessibleName("もどる");
    slow = f.make<forms::OptionButton>(f, forms::Rect{1800, 1500, 975, 255}, "ゆっくり",
                                       forms::systemColor(24), true);
    slow->setAccessibleName("ゆっくり");
    label = f.make<forms::Label>(f, forms::Rect{150, 1500, 1500, 255}, "の熱の伝わり方");
  });
  form.show();

  checkHeard(*metal, "金ぞくの板", "おした ところを 熱します。", AccessibleRole::Button);
  checkHeard(*picture, "ほのお", "", AccessibleRole::Picture);
  checkHeard(*back, "もどる", "", AccessibleRole::Button);
  checkHeard(*slow, "ゆっくり", "", AccessibleRole::RadioButton);
  checkHeard(*label, "の熱の伝わり方", "", AccessibleRole::Text);
  // A marker has nothing to say: no name, and no role that claims one.
  CHECK(probe().accessible(*marker).name.empty());
  CHECK(probe().accessible(*marker).role != AccessibleRole::Button);

  SUBCASE("a name, a description and a role changed later are heard") {
    back->setAccessibleName("メニューに もどる");
    metal->setAccessibleDescription("");
    metal->setTabStop(false);
    checkHeard(*back, "メニューに もどる", "", AccessibleRole::Button);
    checkHeard(*metal, "金ぞくの板", "", AccessibleRole::Picture);
  }

  SUBCASE("an announcement reaches the platform, and the next one replaces it") {
    CHECK(probe().announced(form).empty());
    form.announce("ねつしはじめました");
    CHECK(probe().announced(form) == "ねつしはじめました");
    form.announce("ぜんたいが あたたまりました");
    CHECK(probe().announced(form) == "ぜんたいが あたたまりました");
  }
}

// The program's own windows on the platform: every control the keyboard
// reaches, and every picture, says the name, description and role the
// program gave it (a card and a piece of metal are buttons).
TEST_CASE("the platform says what the program named, in the menu and every shape window") {
  Session session;
  velmora::Program program;
  program.start();
  const auto checkWindow = [](const forms::Form& window) {
    CAPTURE(window.caption());
    int named = 0;
    for (const forms::Control* control : window.controls()) {
      if (!control->visible() || control->accessibleName().empty()) continue;
      CAPTURE(control->accessibleName());
      checkHeard(*control, control->accessibleName(), control->accessibleDescription(),
                 control->accessibleRole());
      ++named;
    }
    CHECK(named > 0);
  };
  checkWindow(program.menu);
  CHECK(probe().accessible(*program.menu.cards.front().button).role == AccessibleRole::Button);
  for (const velmora::ShapeLayout& layout : velmora::shapeLayouts()) {
    program.open(layout.shape.name);
    const velmora::SimulationWindow& window = *program.window(layout.shape.name);
    checkWindow(window);
    CHECK(probe().accessible(*window.metal.front()).role == AccessibleRole::Button);
    program.window(layout.shape.name)->backClicked();
  }
}
