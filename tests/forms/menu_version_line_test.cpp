// The menu's version line on the platform's own faces: the whole line,
// name, numbers and copyright, ends left of "おわり" at the screen's scale.
#include <doctest/doctest.h>

#include "app/program.h"
#include "forms/probe.h"
#include "forms/testing.h"

using forms::testing::probe;

TEST_CASE("the menu's version line ends left of the end button") {
  forms::testing::Session session;
  velmora::Program program;
  program.start();
  const velmora::MenuWindow& menu = program.menu;
  const forms::Rect line = menu.versionLine->rect();
  const forms::Rect end = menu.finishButton->rect();
  const forms::testing::Screenshot image = probe().screenshot(menu);
  const forms::Color background = image.at(line.left - 60, line.top + line.height / 2);
  const auto inked = [&](float left, float right) {
    return image.area(forms::Rect{left, line.top, right - left, line.height}) -
           image.count(forms::Rect{left, line.top, right - left, line.height}, background);
  };
  // The line is there, and nothing of it in a clear margin before the
  // button: wider than any blank between its words, so a line running on
  // under the button cannot pass through it.
  constexpr float margin = 150;
  CHECK(inked(line.left, line.left + 600) > 0);
  CHECK(inked(end.left - margin, end.left) == 0);
}
