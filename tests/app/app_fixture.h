// A started program on the toolkit's virtual clock, and the looks a test
// reads back from the metal.
#pragma once

#include <cmath>

#include "app/looks.h"
#include "app/metal_on_window.h"
#include "app/program.h"
#include "forms/testing.h"

namespace velmora::test {

constexpr forms::Color grey = coldMetal;
constexpr forms::Color lightRed = heatedMetal;
constexpr forms::Color black = frontRim;
// The burner and the markers are centred on the pressed point.
constexpr float markerHalf = markerSize / 2;

struct StartedProgram {
  forms::testing::Session session;
  Program program;

  StartedProgram() { program.start(); }
  // The heat timers tick every 50 ms.
  void ticks(int count) { session.advance(50 * count); }
};

// True when nothing is drawn on the metal: every pixel is cold grey.
inline bool allCold(const forms::PictureBox& metal) {
  for (forms::Color c : metal.canvas().pixels()) {
    if (c != grey) return false;
  }
  return true;
}

// Checks that a heat disc of `radius` is drawn around (x, y) on `metal`:
// light red well inside, grey just outside, a black rim between, the same
// in all four directions (where they lie on the metal).
inline void checkDisc(const forms::PictureBox& metal, float x, float y, float radius) {
  const float dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  const auto onMetal = [&](float px, float py) {
    return px >= 0 && py >= 0 && px < metal.width() && py < metal.height();
  };
  for (const auto& d : dirs) {
    const float inX = x + d[0] * (radius - 40), inY = y + d[1] * (radius - 40);
    if (onMetal(inX, inY)) CHECK(metal.pixelAt(inX, inY) == lightRed);
    const float outX = x + d[0] * (radius + 40), outY = y + d[1] * (radius + 40);
    if (onMetal(outX, outY)) CHECK(metal.pixelAt(outX, outY) == grey);
    const bool rimOnMetal = onMetal(x + d[0] * (radius - 30), y + d[1] * (radius - 30)) &&
                            onMetal(x + d[0] * (radius + 30), y + d[1] * (radius + 30));
    if (!rimOnMetal) continue;
    bool rimSeen = false;
    for (float r = radius - 30; r <= radius + 30; r += 3) {
      if (metal.pixelAt(x + d[0] * r, y + d[1] * r) == black) rimSeen = true;
    }
    CHECK(rimSeen);
  }
}

}  // namespace velmora::test
