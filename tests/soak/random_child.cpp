#include "soak/random_child.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

#include "forms/lifetime.h"
#include "forms/testing.h"
#include "soak/program_view.h"

namespace velmora::soak {

namespace t = forms::testing;

namespace {

constexpr float pixel = forms::twipsPerPixel;

std::string format(const char* pattern, auto... values) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, values...);
  return text;
}

std::string sim(int number) { return shapeName(number); }

// A press of any button at a point of the form's client area, delivered
// like real input to the topmost control there; a left press is followed
// by its click.
void pressAt(forms::Form& form, float x, float y, std::int16_t button) {
  if (button == forms::leftButton) {
    t::clickAt(form, x, y);
    return;
  }
  forms::Control* target = form.hitTest(x, y);
  float localX = x;
  float localY = y;
  for (const forms::Control* c = target; c && c != &form; c = c->parent()) {
    localX -= c->left();
    localY -= c->top();
  }
  t::mouseDown(*target, button, localX, localY);
}

// The piece's rectangle grown by `margin` on every side (window twips).
forms::Rect grown(const forms::Rect& r, float margin) {
  return {r.left - margin, r.top - margin, r.width + 2 * margin, r.height + 2 * margin};
}

bool overlap(const forms::Rect& a, const forms::Rect& b, forms::Rect* common) {
  const float left = std::max(a.left, b.left);
  const float top = std::max(a.top, b.top);
  const float right = std::min(a.left + a.width, b.left + b.width);
  const float bottom = std::min(a.top + a.height, b.top + b.height);
  if (right <= left || bottom <= top) return false;
  *common = {left, top, right - left, bottom - top};
  return true;
}

// In the order of forms::Key.
const char* keyName(forms::Key key) {
  static constexpr const char* names[] = {"Tab", "Shift+Tab", "Space", "Left", "Right",
                                          "Up",  "Down",      "Enter", "F11",  "Esc"};
  static_assert(std::size(names) == static_cast<std::size_t>(forms::Key::Escape) + 1);
  return names[static_cast<std::size_t>(key)];
}

}  // namespace

forms::Point RandomChild::inside(const forms::Rect& r) {
  const float x = between(r.left, r.left + r.width);
  return {x, between(r.top, r.top + r.height)};
}

float RandomChild::between(float from, float to) {
  const float x = from + static_cast<float>(unit()) * (to - from);
  if (!chance(0.5)) return x;
  const float snapped = std::floor(x / pixel) * pixel;
  return snapped >= from ? snapped : x;
}

std::int16_t RandomChild::anyButton() {
  const int roll = below(10);
  if (roll < 6) return forms::leftButton;
  return roll < 8 ? forms::rightButton : forms::middleButton;
}

template <std::size_t N>
int RandomChild::weighted(const std::array<double, N>& weights) {
  double total = 0;
  for (double w : weights) total += w;
  double roll = unit() * total;
  for (std::size_t i = 0; i < N; ++i) {
    if (roll < weights[i]) return static_cast<int>(i);
    roll -= weights[i];
  }
  return static_cast<int>(N - 1);
}

Act RandomChild::act(ProgramRun& run) {
  int number = 0;
  if (SimulationWindow* window = openWindow(run.program(), &number)) {
    return onSimulation(run, *window, number);
  }
  return onMenu(run);
}

Act RandomChild::onMenu(ProgramRun& run) {
  MenuWindow& menu = run.program().menu;
  const std::array<double, 6> weights{
      40,   // open a window
      15,   // anything anywhere on the menu
      0.4,  // "おわり"
      0.4,  // the close box
      8,    // a key ("おわり" holds the focus: Space ends the program)
      10,   // wait
  };
  switch (weighted(weights)) {
    case 0: {
      const int place = 1 + below(shapeCount);
      const MenuWindow::ShapeCard& button = menu.cards[static_cast<std::size_t>(place - 1)];
      const forms::PictureBox& box = *button.button;
      switch (below(4)) {
        case 0:
          t::click(*button.button);
          return {Deed::Open, format("menu: click picture button for %s", sim(place).c_str())};
        case 1:
          t::click(*button.caption);
          return {Deed::Open,
                  format("menu: click caption \"%s\"", button.caption->caption().c_str())};
        case 2: {
          const forms::FilledRect& shape = *button.pictogram[static_cast<std::size_t>(
              below(static_cast<int>(button.pictogram.size())))];
          const auto [sx, sy] = inside(shape.rect());
          const float x = box.left() + sx;
          const float y = box.top() + sy;
          t::clickAt(menu, x, y);
          return {Deed::Open, format("menu: clickAt (%g, %g) on a pictogram", x, y)};
        }
        default: {
          const auto [x, y] = inside(box.rect());
          t::clickAt(menu, x, y);
          return {Deed::Open, format("menu: clickAt (%g, %g) on a picture button", x, y)};
        }
      }
    }
    case 1: {
      const float x = between(0, menu.width() - 2 * forms::frameTwips);
      const float y = between(0, menu.height());
      const std::int16_t button = anyButton();
      pressAt(menu, x, y, button);
      return {Deed::MenuStray, format("menu: press button %d at (%g, %g)", button, x, y), button};
    }
    case 2:
      if (chance(0.5)) {
        t::click(*menu.finishButton);
        return {Deed::EndByButton, "menu: click おわり"};
      } else {
        const forms::Rect r = menu.finishButton->rect();
        const auto [x, y] = inside(r);
        t::clickAt(menu, x, y);
        return {Deed::EndByButton, format("menu: clickAt (%g, %g) on おわり", x, y)};
      }
    case 3:
      t::closeBox(menu);
      return {Deed::EndByCloseBox, "menu: close box"};
    case 4:
      return pressKey(menu, "menu");
    default:
      return wait(run, "menu");
  }
}

Act RandomChild::onSimulation(ProgramRun& run, SimulationWindow& window, int number) {
  const std::string where = sim(number);
  const bool retryShown = window.retryButton->visible();
  const std::array<double, 9> weights{
      24,                     // press on the metal
      6,                      // press around and over the metal
      5,                      // click anywhere on the window
      8,                      // speed option
      retryShown ? 12.0 : 1,  // "もう一度"
      2,                      // "もどる"
      1,                      // close box
      10,                     // key
      32,                     // wait
  };
  switch (weighted(weights)) {
    case 0:
      return pressMetal(window, number);
    case 1:
      return pressAround(window, number);
    case 2: {
      const float x = between(0, window.width() - 2 * forms::frameTwips);
      const float y = between(0, window.height());
      t::clickAt(window, x, y);
      return {Deed::ClickWindow, format("%s: clickAt (%g, %g)", where.c_str(), x, y),
              forms::leftButton};
    }
    case 3: {
      const int option = below(3);
      forms::OptionButton& speed = *window.speedOptions[static_cast<std::size_t>(option)];
      if (chance(0.5)) {
        t::click(speed);
        return {Deed::Speed, format("%s: click speed(%d)", where.c_str(), option)};
      }
      const auto [x, y] = inside(speed.rect());
      t::clickAt(window, x, y);
      return {Deed::Speed,
              format("%s: clickAt (%g, %g) on speed(%d)", where.c_str(), x, y, option)};
    }
    case 4: {
      if (retryShown && chance(0.5)) {
        t::click(*window.retryButton);
        return {Deed::Retry, where + ": click もう一度"};
      }
      const forms::Rect r = window.retryButton->rect();
      const auto [x, y] = inside(r);
      t::clickAt(window, x, y);
      return {Deed::Retry,
              format("%s: clickAt (%g, %g) where もう一度 stands", where.c_str(), x, y)};
    }
    case 5: {
      if (chance(0.5)) {
        t::click(*window.backButton);
        return {Deed::Back, where + ": click もどる"};
      }
      const forms::Rect r = window.backButton->rect();
      const auto [x, y] = inside(r);
      t::clickAt(window, x, y);
      return {Deed::Back, format("%s: clickAt (%g, %g) on もどる", where.c_str(), x, y)};
    }
    case 6:
      t::closeBox(window);
      return {Deed::CloseBox, where + ": close box"};
    case 7:
      return pressKey(window, where);
    default:
      return wait(run, where);
  }
}

Act RandomChild::pressMetal(SimulationWindow& window, int number) {
  const int piece = below(window.pieceCount());
  forms::PictureBox& field = *window.metal[piece];
  const float w = field.width();
  const float h = field.height();
  const std::int16_t button = anyButton();
  float x = between(0, w);
  float y = between(0, h);
  const char* spot = "on";
  switch (below(5)) {
    case 0:
    case 1:
      break;
    case 2: {
      // Exactly on an edge or a corner, or a hair inside one.
      const std::array<float, 5> xs{0, 0.01f, w / 2, w - 0.01f, w};
      const std::array<float, 5> ys{0, 0.01f, h / 2, h - 0.01f, h};
      x = xs[static_cast<std::size_t>(below(5))];
      y = ys[static_cast<std::size_t>(below(5))];
      spot = "on the edge of";
      break;
    }
    case 3: {
      // Just off the piece: the coordinates a press dragged past its edge
      // could carry.
      const float off = between(0.01f, 4 * pixel);
      if (chance(0.5)) {
        x = chance(0.5) ? -off : w + off;
      } else {
        y = chance(0.5) ? -off : h + off;
      }
      spot = "just off";
      break;
    }
    default: {
      // On a joint, where two pieces meet or overlap.
      if (!(window.pieceCount() > 1)) break;
      const forms::Rect own = field.rect();
      std::vector<forms::Rect> joints;
      for (int other = 0; other < window.pieceCount(); ++other) {
        forms::Rect common;
        if (other != piece && overlap(grown(own, 2 * pixel),
                                      grown(window.metal[other]->rect(), 2 * pixel), &common)) {
          joints.push_back(common);
        }
      }
      if (joints.empty()) break;
      const forms::Rect joint =
          joints[static_cast<std::size_t>(below(static_cast<int>(joints.size())))];
      const float wx = between(joint.left, joint.left + joint.width);
      const float wy = between(joint.top, joint.top + joint.height);
      if (chance(0.5)) {
        // Where the child's pointer is, the topmost piece takes the press.
        pressAt(window, wx, wy, button);
        return {Deed::Press,
                format("%s: press button %d at (%g, %g) on a joint", sim(number).c_str(), button,
                       wx, wy),
                button};
      }
      x = wx - own.left;
      y = wy - own.top;
      spot = "at a joint of";
      break;
    }
  }
  // A left press is followed by its click when the button comes up.
  const forms::ControlWatch watch(&field);
  t::mouseDown(field, button, x, y);
  if (button == forms::leftButton && watch.alive()) field.dispatchClick();
  return {Deed::Press,
          format("%s: press button %d at (%g, %g) %s piece %d", sim(number).c_str(), button, x, y,
                 spot, piece),
          button};
}

Act RandomChild::pressAround(SimulationWindow& window, int number) {
  forms::Rect bounds = window.metal[0]->rect();
  for (int i = 1; i < window.pieceCount(); ++i) {
    const forms::Rect r = window.metal[i]->rect();
    const float right = std::max(bounds.left + bounds.width, r.left + r.width);
    const float bottom = std::max(bounds.top + bounds.height, r.top + r.height);
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.width = right - bounds.left;
    bounds.height = bottom - bounds.top;
  }
  const forms::Rect area = grown(bounds, 10 * pixel);
  const auto [x, y] = inside(area);
  const std::int16_t button = anyButton();
  pressAt(window, x, y, button);
  return {
      Deed::PressAround,
      format("%s: press button %d at (%g, %g) around the metal", sim(number).c_str(), button, x, y),
      button};
}

Act RandomChild::pressKey(forms::Form& form, const std::string& where) {
  static constexpr std::array<forms::Key, 8> keys{
      forms::Key::Tab,   forms::Key::BackTab, forms::Key::Space, forms::Key::Left,
      forms::Key::Right, forms::Key::Up,      forms::Key::Down,  forms::Key::Enter};
  const forms::Key key = keys[static_cast<std::size_t>(below(8))];
  const std::int16_t shift = chance(0.2) ? 1 : 0;
  t::pressKey(form, key, shift);
  return {Deed::Key, format("%s: key %s%s", where.c_str(), shift ? "Shift+" : "", keyName(key))};
}

Act RandomChild::wait(ProgramRun& run, const std::string& where) {
  // Mostly a moment, often a few seconds, now and then a long while.
  const int roll = below(1000);
  int ms = 0;
  if (roll < 650) {
    ms = below(151);
  } else if (roll < 930) {
    ms = 150 + below(2851);
  } else if (roll < 990) {
    ms = 3000 + below(7001);
  } else {
    ms = 10000 + below(50001);
  }
  run.advance(ms);
  return {Deed::Wait, format("%s: wait %d ms", where.c_str(), ms)};
}

}  // namespace velmora::soak
