// The wiring through real Qt input: mouse events on the widgets the toolkit
// made reach the program's handlers, and what they do reaches the screen.
#include <doctest/doctest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>
#include <string>

#include "app/looks.h"
#include "app/program.h"
#include "app/texts.h"
#include "forms/application.h"
#include "forms/testing.h"
#include "tests/model/heat_trace_run.h"

using namespace velmora;

namespace {

constexpr int twipsPerPixel = 15;

QWidget* windowTitled(const char* title) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == QString::fromUtf8(title)) return widget;
  }
  return nullptr;
}

QPoint pixel(float xTwips, float yTwips) {
  return QPoint(static_cast<int>(xTwips) / twipsPerPixel, static_cast<int>(yTwips) / twipsPerPixel);
}

// The real widget at a window point (twips), and the point in its own pixels.
struct Hit {
  QWidget* widget;
  QPoint local;
};

Hit widgetAt(QWidget& window, float xTwips, float yTwips) {
  const QPoint p = pixel(xTwips, yTwips);
  QWidget* child = window.childAt(p);
  REQUIRE(child != nullptr);
  return {child, child->mapFrom(&window, p)};
}

// The middle of a control on the form.
Hit widgetAt(QWidget& window, const forms::Control& control) {
  return widgetAt(window, control.left() + control.width() / 2,
                  control.top() + control.height() / 2);
}

QColor qtColour(forms::Color c) {
  return QColor(forms::redOf(c), forms::greenOf(c), forms::blueOf(c));
}

QColor screenColour(QWidget& window, float xTwips, float yTwips) {
  const QImage image = window.grab().toImage();
  const QPoint p = pixel(xTwips, yTwips) * image.devicePixelRatio();
  return image.pixelColor(p);
}

}  // namespace

TEST_CASE("a run on the plate through real mouse events") {
  forms::testing::Session session;
  Program program;
  program.start();

  QWidget* menu = windowTitled(program.menu.caption().c_str());
  REQUIRE(menu != nullptr);
  const std::string plateCaption = windowCaption(captions(), captions().plate);

  // The "長方形" picture button, clicked in its middle, on its grey pictogram.
  const Hit button = widgetAt(*menu, *program.menu.card("plate").button);
  QTest::mouseClick(button.widget, Qt::LeftButton, Qt::NoModifier, button.local);
  QWidget* plate = windowTitled(plateCaption.c_str());
  REQUIRE(plate != nullptr);
  CHECK_FALSE(menu->isVisible());

  // A press on the middle of the plate.
  SimulationWindow& window = *program.window("plate");
  const forms::PictureBox& plateMetal = *window.metal.front();
  const Hit metal = widgetAt(*plate, plateMetal);
  QTest::mousePress(metal.widget, Qt::LeftButton, Qt::NoModifier, metal.local);
  QTest::mouseRelease(metal.widget, Qt::LeftButton, Qt::NoModifier, metal.local);
  CHECK(window.heat.running());
  CHECK(window.heat.pieces[0].sourceX == doctest::Approx(plateMetal.width() / 2).epsilon(0.01));
  const float pressX = plateMetal.left() + plateMetal.width() / 2;
  const float pressY = plateMetal.top() + plateMetal.height() / 2;

  // The front grows on the clock; the screen shows the light-red heat with
  // the burner marker over the pressed point.
  session.advance(50 * 20);
  CHECK(screenColour(*plate, pressX + 600, pressY) == qtColour(heatedMetal));
  CHECK(screenColour(*plate, plateMetal.left() + 100, plateMetal.top() + 100) ==
        qtColour(coldMetal));

  // A right-button press on the heating plate changes nothing.
  QTest::mouseClick(metal.widget, Qt::RightButton, Qt::NoModifier, metal.local);
  CHECK(window.heat.running());

  // At tick 86 "もう一度" appears; a real click on it cools the plate.
  session.advance(50 * 66);
  const Hit retry = widgetAt(*plate, *window.retryButton);
  CHECK(retry.widget->isVisible());
  QTest::mouseClick(retry.widget, Qt::LeftButton, Qt::NoModifier, retry.local);
  CHECK_FALSE(window.heat.running());
  CHECK_FALSE(window.retryButton->visible());
  CHECK(screenColour(*plate, pressX + 600, pressY) == qtColour(coldMetal));

  // "もどる" takes the child back to the menu.
  const Hit back = widgetAt(*plate, *window.backButton);
  QTest::mouseClick(back.widget, Qt::LeftButton, Qt::NoModifier, back.local);
  QApplication::processEvents();
  CHECK(menu->isVisible());
  CHECK(windowTitled(plateCaption.c_str()) == nullptr);
}

TEST_CASE("a burner lit by real keys heats as heat-trace says for the aimed point") {
  forms::testing::Session session;
  Program program;
  program.start();
  // A real key on whatever has the focus in the window captioned `title`.
  const auto key = [](const char* title, Qt::Key code, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* window = windowTitled(title);
    REQUIRE(window != nullptr);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, code, modifiers);
  };
  // おわり, the rod's card, the plate's card: Enter opens the plate.
  key("Velmora", Qt::Key_Tab);
  key("Velmora", Qt::Key_Tab);
  key("Velmora", Qt::Key_Return);
  SimulationWindow& window = *program.window("plate");
  REQUIRE(window.visible());
  const char* plate = "Velmora：長方形";
  key(plate, Qt::Key_Tab);
  REQUIRE(window.focused() == window.metal[0]);
  key(plate, Qt::Key_Left);
  key(plate, Qt::Key_Left);
  key(plate, Qt::Key_Up, Qt::ShiftModifier);
  const forms::Point aim = window.metal[0]->aim();
  key(plate, Qt::Key_Space);
  REQUIRE(window.heat.running());
  int retryTick = 0;
  while (!window.retryButton->visible() && retryTick < 2000) {
    session.advance(50);
    ++retryTick;
  }
  const velmora::testing::ToolResult traced = velmora::testing::runHeatTrace(
      {"plate", "0", std::to_string(aim.x), std::to_string(aim.y), "50"});
  REQUIRE(traced.exitStatus == 0);
  const std::string& trace = traced.out;
  CHECK(velmora::testing::jsonNumber(trace, "sourceX") == aim.x);
  CHECK(velmora::testing::jsonNumber(trace, "sourceY") == aim.y);
  CHECK(velmora::testing::jsonNumber(trace, "maxReach") == window.heat.pieces[0].maxReach);
  CHECK(velmora::testing::jsonValue(trace, "retryTick") == std::to_string(retryTick));
}

TEST_CASE("\"おわり\" clicked for real ends the program") {
  forms::testing::Session session;
  Program program;
  program.start();
  QWidget* menu = windowTitled(program.menu.caption().c_str());
  REQUIRE(menu != nullptr);
  const Hit finish = widgetAt(*menu, *program.menu.finishButton);
  QTest::mouseClick(finish.widget, Qt::LeftButton, Qt::NoModifier, finish.local);
  CHECK(forms::programEnded());
  CHECK(windowTitled(program.menu.caption().c_str()) == nullptr);
}
