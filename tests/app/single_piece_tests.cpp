// A run on the plate and on the rod, from the press to "もう一度".
#include <doctest/doctest.h>

#include <vector>

#include "app_fixture.h"
#include "simulation/metal_look.h"
#include "simulation/module1.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

struct PlateOpen : StartedProgram {
  RectanglePlateWindow& window;
  PlateOpen() : window(open()) {}
  RectanglePlateWindow& open() {
    t::click(*program.main.sikaku);
    return *program.simulation1;
  }
  void press(float x, float y, std::int16_t button = forms::leftButton) {
    t::mouseDown(*window.field, button, x, y);
  }
};

void checkIdle(SinglePieceWindow& window) {
  CHECK(window.running == 0);
  CHECK(allCold(*window.field));
  CHECK(window.field->mousePointer() == forms::MousePointer::Custom);
  CHECK(window.field->mouseIcon().icon.resource == "fire.ico");
  CHECK(window.field->mouseIcon().hotX == 16);
  CHECK(window.field->mouseIcon().hotY == 16);
  CHECK_FALSE(window.fire->Visible());
  CHECK_FALSE(window.fire0->Visible());
  CHECK_FALSE(window.retry->Visible());
  CHECK_FALSE(window.Timer1->Enabled());
}

}  // namespace

TEST_CASE_FIXTURE(PlateOpen, "the plate opens idle") { checkIdle(window); }

TEST_CASE_FIXTURE(PlateOpen, "a press on the plate lights the burner at the pressed point") {
  press(3240, 2220);
  CHECK(window.running == 1);
  CHECK(window.field->mousePointer() == forms::MousePointer::Default);
  CHECK(window.Timer1->Enabled());
  // The burner image is centred on the press, in window coordinates...
  CHECK(window.fire0->Visible());
  CHECK(window.fire0->Left() == doctest::Approx(360 + 3240 - 240));
  CHECK(window.fire0->Top() == doctest::Approx(840 + 2220 - 240));
  // ... and so is the marker inside the plate, hidden until the front has
  // grown past it.
  CHECK(window.fire->Left() == doctest::Approx(3240 - 240));
  CHECK(window.fire->Top() == doctest::Approx(2220 - 240));
  CHECK_FALSE(window.fire->Visible());
  // Nothing is drawn before the first tick.
  CHECK(allCold(*window.field));

  SUBCASE("the marker shows at the fifth tick at normal speed") {
    ticks(4);
    CHECK_FALSE(window.fire->Visible());
    ticks(1);
    CHECK(window.fire->Visible());
    // Radius 296.58 after five ticks, drawn around the pressed point.
    checkDisc(*window.field, 3240, 2220, 296.58f);
  }

  SUBCASE("the disc keeps its centre as it grows") {
    ticks(40);
    const float radius = static_cast<float>(window.front.frontRadius);
    CHECK(radius > 2000);
    checkDisc(*window.field, 3240, 2220, radius);
  }

  SUBCASE("the run stops at tick 86 and shows \"もう一度\"") {
    ticks(85);
    CHECK(window.Timer1->Enabled());
    CHECK_FALSE(window.retry->Visible());
    // The front already covers the plate; erase it to see whether the
    // stopping tick draws.
    window.field->setBackColor(grey);
    ticks(1);
    CHECK_FALSE(window.Timer1->Enabled());
    CHECK(window.retry->Visible());
    CHECK(allCold(*window.field));
    // The finished plate keeps its markers and the arrow, and stays busy.
    CHECK(window.fire->Visible());
    CHECK(window.fire0->Visible());
    CHECK(window.running == 1);
    CHECK(window.field->mousePointer() == forms::MousePointer::Default);
  }
}

// The check above only means something if erasing between ticks would
// show a drawing: the tick before the last one does draw.
TEST_CASE_FIXTURE(PlateOpen, "the tick before the last still draws") {
  press(3240, 2220);
  ticks(84);
  window.field->setBackColor(grey);
  ticks(1);
  CHECK(window.Timer1->Enabled());
  CHECK(window.field->pixelAt(100, 100) == lightRed);
}

TEST_CASE_FIXTURE(PlateOpen, "presses that do not start a run") {
  SUBCASE("right and middle buttons on cold metal") {
    press(1000, 1000, forms::rightButton);
    press(1000, 1000, forms::middleButton);
    ticks(10);
    checkIdle(window);
  }

  SUBCASE("any press while heating or finished") {
    press(3240, 2220);
    ticks(10);
    const float burnerLeft = window.fire0->Left();
    const double reach = window.front.maxReach;
    press(100, 100);
    ticks(1);
    CHECK(window.front.sourceX == 3240);
    CHECK(window.front.maxReach == reach);
    CHECK(window.fire0->Left() == burnerLeft);
    CHECK(window.front.frontRadius > 600);  // not restarted

    ticks(100);
    REQUIRE(window.retry->Visible());
    press(100, 100);
    CHECK(window.front.sourceX == 3240);
    CHECK_FALSE(window.Timer1->Enabled());
  }
}

TEST_CASE_FIXTURE(PlateOpen, "\"もう一度\" makes the plate cold and idle again") {
  press(0, 0);  // a corner: the longest run
  SUBCASE("at slow speed the run takes 615 ticks") {
    t::click(*window.speed[0]);
    ticks(614);
    CHECK_FALSE(window.retry->Visible());
    ticks(1);
    CHECK(window.retry->Visible());
  }
  SUBCASE("at fast speed 128 ticks") {
    t::click(*window.speed[2]);
    ticks(127);
    CHECK_FALSE(window.retry->Visible());
    ticks(1);
    CHECK(window.retry->Visible());
  }
  REQUIRE_FALSE(allCold(*window.field));
  t::click(*window.retry);
  checkIdle(window);

  // And a new press starts a new run from the new point.
  press(500, 400);
  CHECK(window.running == 1);
  CHECK(window.Timer1->Enabled());
  ticks(3);
  checkDisc(*window.field, 500, 400, static_cast<float>(window.front.frontRadius));
}

TEST_CASE_FIXTURE(PlateOpen, "a faster speed chosen during a run lengthens the next step") {
  press(3240, 2220);
  ticks(10);
  const double before = window.front.frontRadius;
  ticks(1);
  const double normalStep = window.front.frontRadius - before;
  t::click(*window.speed[2]);
  const double atSwitch = window.front.frontRadius;
  ticks(1);
  const double fastStep = window.front.frontRadius - atSwitch;
  CHECK(fastStep > 1.9 * normalStep);
  CHECK(window.running == 1);
}

TEST_CASE_FIXTURE(PlateOpen, "leaving in the middle of a run and coming back") {
  press(3240, 2220);
  ticks(20);
  t::click(*window.owari);
  CHECK(program.main.Visible());
  // The run ends with the window: nothing ticks in the background.
  ticks(200);
  CHECK(window.ownedTimerCount() == 0);
  t::click(*program.main.sikaku);
  REQUIRE(program.simulation1.get() == &window);
  checkIdle(window);
  CHECK(window.speed[1]->Value());
}

TEST_CASE_FIXTURE(PlateOpen, "handlers called on a closed window touch nothing") {
  press(3240, 2220);
  ticks(20);
  const double radius = window.front.frontRadius;
  t::click(*window.owari);
  REQUIRE_FALSE(window.loaded());
  // Its controls are gone; a late call must neither reach them nor change
  // the run it left.
  window.Timer1_Timer();
  window.retry_Click();
  window.field_MouseDown(forms::leftButton, 0, 100, 100);
  CHECK(window.running == 1);
  CHECK(window.front.frontRadius == radius);
  CHECK(window.front.sourceX == 3240);
}

TEST_CASE_FIXTURE(PlateOpen, "Tab goes from \"もどる\" to the metal, then to the speeds") {
  REQUIRE(window.focused() == window.owari);
  t::pressKey(window, forms::Key::Tab);
  CHECK(window.focused() == window.field);
  // Space on the metal does nothing: no burner is lit from the keyboard.
  t::pressKey(window, forms::Key::Space);
  CHECK(window.running == 0);
  // "もう一度" is hidden, so the next stop is the speed chosen, "ふつう".
  t::pressKey(window, forms::Key::Tab);
  CHECK(window.focused() == window.speed[1]);
  t::pressKey(window, forms::Key::Tab);
  CHECK(window.focused() == window.owari);
}

TEST_CASE_FIXTURE(StartedProgram, "the rod") {
  t::click(*program.main.bou);
  RodWindow& rod = *program.simulation2;
  // The rod is thinner than the burner, which shows above and below it
  // from the moment of the press.
  t::mouseDown(*rod.field, forms::leftButton, 4200, 60);
  CHECK(rod.fire0->Visible());
  CHECK(rod.fire0->Left() == doctest::Approx(120 + 4200 - 240));
  CHECK(rod.fire0->Top() == doctest::Approx(2280 + 60 - 240));
  CHECK_FALSE(rod.fire->Visible());
  ticks(5);
  CHECK(rod.fire->Visible());
  ticks(98);
  CHECK_FALSE(rod.retry->Visible());
  CHECK(rod.field->pixelAt(10, 67) == lightRed);
  CHECK(rod.field->pixelAt(8400, 67) == lightRed);
  ticks(1);  // tick 104
  CHECK(rod.retry->Visible());
  CHECK_FALSE(rod.Timer1->Enabled());
  t::click(*rod.retry);
  CHECK(allCold(*rod.field));
  CHECK_FALSE(rod.fire0->Visible());
}
