// The heat a shape window shows on the toolkit alone, on the virtual clock:
// the reference the page in Chromium is held to, pixel for pixel. Clicks a
// menu button and presses the metal as a child would (points of the client
// area in twips), lets TICKS ticks of 50 ms pass, and prints every shown
// piece of metal (a picture box without a picture of its own; the markers
// have one) as one line: where it is (client pixels, each level rounded as
// the page places it), its size and a hash of its pixels.
//   toolkit_heat BUTTON_X BUTTON_Y PRESS_X PRESS_Y TICKS
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "forms/application.h"
#include "forms/lifetime.h"
#include "forms/testing.h"

namespace {

forms::Form* frontForm() {
  forms::Form* shown = nullptr;
  // The window opened last is the one in front.
  for (forms::Form* form : forms::lifetime::forms()) {
    if (form->visible()) shown = form;
  }
  return shown;
}

bool shownOnForm(const forms::Control& control) {
  for (const forms::Control* c = &control; c->parent(); c = c->parent()) {
    if (!c->visible()) return false;
  }
  return true;
}

// FNV-1a over the red, green and blue of every pixel, row by row: the same
// sum the page takes of its canvas.
std::uint32_t pixelHash(const forms::Canvas& canvas) {
  std::uint32_t hash = 2166136261u;
  for (forms::Color c : canvas.pixels()) {
    for (int channel : {forms::redOf(c), forms::greenOf(c), forms::blueOf(c)}) {
      hash = (hash ^ static_cast<std::uint32_t>(channel)) * 16777619u;
    }
  }
  return hash;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: toolkit_heat BUTTON_X BUTTON_Y PRESS_X PRESS_Y TICKS\n");
    return 2;
  }
  const auto number = [&](int i) { return static_cast<float>(std::atof(argv[i])); };
  forms::testing::Session session;
  forms::startProgram();
  forms::testing::clickAt(*frontForm(), number(1), number(2));
  forms::Form& window = *frontForm();
  forms::testing::clickAt(window, number(3), number(4));
  session.advance(std::atoi(argv[5]) * 50 + 25);
  for (forms::Control* control : window.controls()) {
    auto* box = dynamic_cast<forms::PictureBox*>(control);
    if (!box || !box->picture().empty() || !shownOnForm(*box)) continue;
    long left = 0;
    long top = 0;
    for (const forms::Control* c = box; c->parent(); c = c->parent()) {
      left += std::lround(c->left() / forms::twipsPerPixel);
      top += std::lround(c->top() / forms::twipsPerPixel);
    }
    std::printf("%ld %ld %d %d %08x\n", left, top, box->canvas().width(), box->canvas().height(),
                pixelHash(box->canvas()));
  }
  return 0;
}
