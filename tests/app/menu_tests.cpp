// The menu: what it opens, how the child comes back, how the program ends.
#include <doctest/doctest.h>

#include <string>

#include "app_fixture.h"
#include "simulation/module1.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

// Every way into a shape's window must open that window and put the menu away.
void checkOpened(Program& program, forms::Form* window, const std::string& caption) {
  REQUIRE(window != nullptr);
  CHECK(window->Caption() == caption);
  CHECK(window->loaded());
  CHECK(window->Visible());
  CHECK(program.main.loaded());
  CHECK_FALSE(program.main.Visible());
}

// A window point inside the first pictogram rectangle of a picture button.
forms::Point onPictogram(const forms::PictureBox& button, const forms::FilledRect& piece) {
  return {button.Left() + piece.Left() + piece.Width() / 2,
          button.Top() + piece.Top() + piece.Height() / 2};
}

}  // namespace

TEST_CASE_FIXTURE(StartedProgram, "the menu at start") {
  MenuWindow& menu = program.main;
  REQUIRE(menu.loaded());
  CHECK(menu.Visible());
  CHECK(menu.Caption() == "Velmora");

  SUBCASE("the speed starts at normal") { CHECK(Module1::speedFactor == 50); }

  SUBCASE("the version line is the name, the numbers and the copyright after two spaces") {
    const forms::VersionRecord& version = forms::versionRecord();
    REQUIRE_FALSE(version.copyright.empty());
    CHECK(version.copyright.front() != ' ');
    CHECK(menu.Label1->Caption() == "Velmora ver.1.0.0  " + version.copyright);
  }

  SUBCASE("the title keeps a blank where the heat character stands over it") {
    CHECK(menu.Label0->Caption() == "Velmora　 ");
    // Both labels cover this point; the later one, "熱", is on top.
    CHECK(t::clickAt(menu, 2700, 500) == menu.Label3);
  }

  SUBCASE("\"おわり\" holds the keyboard focus") { CHECK(menu.focused() == menu.Command4); }
}

TEST_CASE_FIXTURE(StartedProgram, "every way into a shape opens its window and hides the menu") {
  MenuWindow& menu = program.main;
  SUBCASE("rod") {
    SUBCASE("button") { t::click(*menu.bou); }
    SUBCASE("caption") { t::click(*menu.bou_t); }
    SUBCASE("pictogram") {
      const forms::Point p = onPictogram(*menu.bou, *menu.Shape1);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.bou);
    }
    checkOpened(program, program.simulation2.get(), "Velmora：ぼう");
  }
  SUBCASE("rectangle") {
    SUBCASE("button") { t::click(*menu.sikaku); }
    SUBCASE("caption") { t::click(*menu.sikaku_t); }
    SUBCASE("pictogram") {
      const forms::Point p = onPictogram(*menu.sikaku, *menu.Shape2);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.sikaku);
    }
    checkOpened(program, program.simulation1.get(), "Velmora：長方形");
  }
  SUBCASE("T") {
    SUBCASE("button") { t::click(*menu.tji); }
    SUBCASE("caption") { t::click(*menu.tji_t); }
    SUBCASE("pictogram stem") {
      const forms::Point p = onPictogram(*menu.tji, *menu.Shape4);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.tji);
    }
    checkOpened(program, program.simulation3.get(), "Velmora：T字形");
  }
  SUBCASE("spiral") {
    SUBCASE("button") { t::click(*menu.uzu); }
    SUBCASE("caption") { t::click(*menu.uzu_t); }
    SUBCASE("pictogram") {
      const forms::Point p = onPictogram(*menu.uzu, *menu.Shape9);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.uzu);
    }
    checkOpened(program, program.simulation4.get(), "Velmora：うず形");
  }
  SUBCASE("H") {
    SUBCASE("button") { t::click(*menu.hji); }
    SUBCASE("caption") { t::click(*menu.hji_t); }
    SUBCASE("pictogram crossbar") {
      const forms::Point p = onPictogram(*menu.hji, *menu.Shape7);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.hji);
    }
    checkOpened(program, program.simulation5.get(), "Velmora：H字形");
  }
  SUBCASE("concave") {
    SUBCASE("button") { t::click(*menu.ou); }
    SUBCASE("caption") { t::click(*menu.ou_t); }
    SUBCASE("pictogram") {
      const forms::Point p = onPictogram(*menu.ou, *menu.Shape11);
      CHECK(t::clickAt(menu, p.x, p.y) == menu.ou);
    }
    checkOpened(program, program.simulation6.get(), "Velmora：凹字形");
  }
}

TEST_CASE_FIXTURE(StartedProgram, "going back to the menu") {
  MenuWindow& menu = program.main;
  t::click(*menu.tji);
  TPlateWindow& window = *program.simulation3;
  REQUIRE(window.Visible());

  SUBCASE("with \"もどる\"") { t::click(*window.owari); }
  SUBCASE("with the close box") { t::closeBox(window); }

  CHECK(menu.Visible());
  CHECK_FALSE(window.loaded());
  CHECK_FALSE(window.Visible());
  CHECK(window.ownedControlCount() == 0);
  CHECK(window.ownedTimerCount() == 0);
  CHECK_FALSE(forms::programEnded());

  // The same window object opens again.
  t::click(*menu.tji_t);
  CHECK(program.simulation3.get() == &window);
  CHECK(window.Visible());
  CHECK_FALSE(menu.Visible());
}

TEST_CASE_FIXTURE(StartedProgram, "ending the program") {
  MenuWindow& menu = program.main;
  SUBCASE("with \"おわり\"") { t::click(*menu.Command4); }
  SUBCASE("with the menu's close box") { t::closeBox(menu); }
  SUBCASE("with \"おわり\" after visiting a window") {
    t::click(*menu.sikaku);
    t::click(*program.simulation1->owari);
    t::click(*menu.Command4);
    CHECK_FALSE(program.simulation1->loaded());
  }
  CHECK(forms::programEnded());
  CHECK_FALSE(menu.loaded());
  CHECK_FALSE(menu.Visible());
}

TEST_CASE_FIXTURE(StartedProgram, "the speed is kept from one window to the next") {
  MenuWindow& menu = program.main;

  SUBCASE("\"ふつう\" at the first opening") {
    t::click(*menu.hji);
    HPlateWindow& window = *program.simulation5;
    CHECK(window.speed[1]->Value());
    CHECK_FALSE(window.speed[0]->Value());
    CHECK_FALSE(window.speed[2]->Value());
    CHECK(window.focused() == window.owari);
  }

  SUBCASE("a choice made in one window is selected in the next") {
    t::click(*menu.sikaku);
    t::click(*program.simulation1->speed[2]);
    CHECK(Module1::speedFactor == 100);
    t::click(*program.simulation1->owari);

    t::click(*menu.uzu);
    SpiralWindow& spiral = *program.simulation4;
    CHECK(spiral.speed[2]->Value());
    CHECK_FALSE(spiral.speed[1]->Value());
    t::click(*spiral.speed[0]);
    CHECK(Module1::speedFactor == 20);
    t::closeBox(spiral);

    // Back in the first window: its own layout says "ふつう", the shared
    // speed says "ゆっくり", and the shared speed wins.
    t::click(*menu.sikaku_t);
    CHECK(program.simulation1->speed[0]->Value());
    CHECK_FALSE(program.simulation1->speed[1]->Value());
    CHECK(Module1::speedFactor == 20);
  }

  SUBCASE("a speed of no option leaves the layout's choice and the value alone") {
    Module1::speedFactor = 35;
    t::click(*menu.ou);
    CHECK(program.simulation6->speed[1]->Value());
    CHECK(Module1::speedFactor == 35);
  }
}
