// The menu: what it opens, how the child comes back, how the program ends.
#include <doctest/doctest.h>

#include <set>
#include <string>
#include <string_view>

#include "app_fixture.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

// Every way into a shape's window must open that window and put the menu away.
void checkOpened(Program& program, forms::Form* window, const std::string& caption) {
  REQUIRE(window != nullptr);
  CHECK(window->caption() == caption);
  CHECK(window->loaded());
  CHECK(window->visible());
  CHECK(program.menu.loaded());
  CHECK_FALSE(program.menu.visible());
}

// A window point inside the first pictogram rectangle of a picture button.
forms::Point onPictogram(const forms::PictureBox& button, const forms::FilledRect& piece) {
  return {button.left() + piece.left() + piece.width() / 2,
          button.top() + piece.top() + piece.height() / 2};
}

}  // namespace

TEST_CASE_FIXTURE(StartedProgram, "the menu at start") {
  MenuWindow& menu = program.menu;
  REQUIRE(menu.loaded());
  CHECK(menu.visible());
  CHECK(menu.caption() == "Velmora");

  SUBCASE("the speed starts at normal") { CHECK(program.speed() == 50); }

  SUBCASE("the version line is the name, the numbers and the short copyright after two spaces") {
    const forms::VersionRecord& version = forms::versionRecord();
    CHECK(version.copyrightYear >= 2026);
    REQUIRE_FALSE(version.copyrightHolder.empty());
    CHECK(menu.versionLine->caption() == "Velmora ver.1.0.0  © " +
                                             std::to_string(version.copyrightYear) + " " +
                                             version.copyrightHolder);
  }

  SUBCASE("the title keeps a blank where the heat character stands over it") {
    CHECK(menu.title->caption() == "Velmora　 ");
    // Both labels cover this point; the later one, "熱", is on top.
    CHECK(t::clickAt(menu, 2700, 500) == menu.titleHeat);
  }

  SUBCASE("\"おわり\" holds the keyboard focus") { CHECK(menu.focused() == menu.finishButton); }
}

TEST_CASE_FIXTURE(StartedProgram, "every way into a shape opens its window and hides the menu") {
  MenuWindow& menu = program.menu;
  // Each card by its button, its caption and a piece of its pictogram (for
  // the T its stem, for the H its crossbar).
  struct Card {
    const char* shape;
    std::size_t pictogramPiece;
    const char* caption;
  };
  for (const Card card : {Card{"rod", 0, "Velmora：ぼう"}, Card{"plate", 0, "Velmora：長方形"},
                          Card{"t", 1, "Velmora：T字形"}, Card{"spiral", 3, "Velmora：うず形"},
                          Card{"h", 2, "Velmora：H字形"}, Card{"concave", 2, "Velmora：凹字形"}}) {
    const MenuWindow::ShapeCard& shown = menu.card(card.shape);
    const std::string name = card.shape;
    bool entered = false;
    SUBCASE((name + " button").c_str()) {
      entered = true;
      t::click(*shown.button);
    }
    SUBCASE((name + " caption").c_str()) {
      entered = true;
      t::click(*shown.caption);
    }
    SUBCASE((name + " pictogram").c_str()) {
      entered = true;
      const forms::Point p = onPictogram(*shown.button, *shown.pictogram[card.pictogramPiece]);
      CHECK(t::clickAt(menu, p.x, p.y) == shown.button);
    }
    if (entered) checkOpened(program, program.window(card.shape), card.caption);
  }
}

TEST_CASE_FIXTURE(StartedProgram, "the keyboard reaches every card, row by row, and opens it") {
  MenuWindow& menu = program.menu;
  REQUIRE(menu.focused() == menu.finishButton);
  for (const ShapeLayout& layout : shapeLayouts()) {
    t::pressKey(menu, forms::Key::Tab);
    CHECK(menu.focused() == menu.card(layout.shape.name).button);
  }
  t::pressKey(menu, forms::Key::Tab);
  CHECK(menu.focused() == menu.finishButton);
  // Back to the last card, the spiral's; Enter or Space opens it.
  t::pressKey(menu, forms::Key::BackTab);
  SUBCASE("Enter") { t::pressKey(menu, forms::Key::Enter); }
  SUBCASE("Space") { t::pressKey(menu, forms::Key::Space); }
  checkOpened(program, program.window("spiral"), "Velmora：うず形");
}

TEST_CASE_FIXTURE(StartedProgram, "going back to the menu") {
  MenuWindow& menu = program.menu;
  t::click(*menu.card("t").button);
  SimulationWindow& window = *program.window("t");
  REQUIRE(window.visible());

  SUBCASE("with \"もどる\"") { t::click(*window.backButton); }
  SUBCASE("with the close box") { t::closeBox(window); }

  CHECK(menu.visible());
  CHECK_FALSE(window.loaded());
  CHECK_FALSE(window.visible());
  CHECK(window.ownedControlCount() == 0);
  CHECK(window.ownedTimerCount() == 0);
  CHECK_FALSE(forms::programEnded());

  // The same window object opens again.
  t::click(*menu.card("t").caption);
  CHECK(program.window("t") == &window);
  CHECK(window.visible());
  CHECK_FALSE(menu.visible());
}

TEST_CASE_FIXTURE(StartedProgram, "ending the program") {
  MenuWindow& menu = program.menu;
  SUBCASE("with \"おわり\"") { t::click(*menu.finishButton); }
  SUBCASE("with the menu's close box") { t::closeBox(menu); }
  SUBCASE("with \"おわり\" after visiting a window") {
    t::click(*menu.card("plate").button);
    t::click(*program.window("plate")->backButton);
    t::click(*menu.finishButton);
    CHECK_FALSE(program.window("plate")->loaded());
  }
  CHECK(forms::programEnded());
  CHECK_FALSE(menu.loaded());
  CHECK_FALSE(menu.visible());
}

TEST_CASE_FIXTURE(StartedProgram, "the speed is kept from one window to the next") {
  MenuWindow& menu = program.menu;

  SUBCASE("\"ふつう\" at the first opening") {
    t::click(*menu.card("h").button);
    SimulationWindow& window = *program.window("h");
    CHECK(window.speedOptions[1]->value());
    CHECK_FALSE(window.speedOptions[0]->value());
    CHECK_FALSE(window.speedOptions[2]->value());
    CHECK(window.focused() == window.backButton);
  }

  SUBCASE("a choice made in one window is selected in the next") {
    t::click(*menu.card("plate").button);
    t::click(*program.window("plate")->speedOptions[2]);
    CHECK(program.speed() == 100);
    t::click(*program.window("plate")->backButton);

    t::click(*menu.card("spiral").button);
    SimulationWindow& spiral = *program.window("spiral");
    CHECK(spiral.speedOptions[2]->value());
    CHECK_FALSE(spiral.speedOptions[1]->value());
    t::click(*spiral.speedOptions[0]);
    CHECK(program.speed() == 20);
    t::closeBox(spiral);

    // Back in the first window: its own layout says "ふつう", the shared
    // speed says "ゆっくり", and the shared speed wins.
    t::click(*menu.card("plate").caption);
    CHECK(program.window("plate")->speedOptions[0]->value());
    CHECK_FALSE(program.window("plate")->speedOptions[1]->value());
    CHECK(program.speed() == 20);
  }

  SUBCASE("a speed of no option leaves the layout's choice and the value alone") {
    program.chooseSpeed(35);
    t::click(*menu.card("concave").button);
    CHECK(program.window("concave")->speedOptions[1]->value());
    CHECK(program.speed() == 35);
  }
}

TEST_CASE("every shape's row lays out one marker per piece, under a name of its own") {
  std::set<std::string_view> names;
  for (const ShapeLayout& row : shapeLayouts()) {
    CAPTURE(row.shape.name);
    CHECK(row.markers.size() == row.shape.pieces.size());
    CHECK(row.shape.onPress.size() == row.shape.pieces.size());
    CHECK(names.insert(row.shape.name).second);
  }
  CHECK(names.size() == 6);
}

namespace {

// Everything the keyboard reaches, and every picture, has a name and a role
// a screen reader can say; names of what the keyboard reaches differ, except
// the pieces of one shape's metal, which are one plate.
void checkEveryoneNamed(const forms::Form& window) {
  CAPTURE(window.caption());
  CHECK_FALSE(window.style().closeBoxName.empty());
  std::set<std::string> reachableNames;
  std::size_t reachable = 0;
  for (const forms::Control* control : window.controls()) {
    const bool picture = control->kind() == forms::ControlKind::Image;
    if (!control->takesFocus() && !picture) continue;
    CAPTURE(control->accessibleName());
    CHECK_FALSE(control->accessibleName().empty());
    CHECK(control->accessibleRole() != forms::AccessibleRole::None);
    if (!control->takesFocus()) continue;
    CHECK(control->accessibleRole() != forms::AccessibleRole::Picture);
    reachableNames.insert(control->accessibleName());
    ++reachable;
  }
  const auto* shape = dynamic_cast<const SimulationWindow*>(&window);
  const std::size_t pieces = shape ? shape->metal.size() : 1;
  CHECK(reachableNames.size() == reachable - (pieces - 1));
}

}  // namespace

TEST_CASE_FIXTURE(StartedProgram, "a screen reader hears a name for everything, and both moments") {
  checkEveryoneNamed(program.menu);
  for (const ShapeLayout& layout : shapeLayouts()) {
    program.open(layout.shape.name);
    SimulationWindow& window = *program.window(layout.shape.name);
    checkEveryoneNamed(window);
    CHECK(window.metal.front()->accessibleRole() == forms::AccessibleRole::Button);
    CHECK(window.announcement().empty());

    // The burner lit, then the heat at the far end with "もう一度".
    t::mouseDown(*window.metal.front(), forms::leftButton, 200, 200);
    CHECK(window.announcement() == captions().heatStarted);
    while (!window.retryButton->visible()) {
      REQUIRE(window.announcement() == captions().heatStarted);
      ticks(1);
    }
    CHECK(window.announcement() == captions().wholeShapeWarm);
    window.backClicked();
  }
}
