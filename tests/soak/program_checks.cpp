#include "soak/program_checks.h"

#include <cmath>

#include "app/looks.h"
#include "app/metal_on_window.h"
#include "forms/application.h"
#include "soak/program_view.h"

namespace velmora::soak {

namespace {

constexpr forms::Color grey = coldMetal;

std::string in(int number) { return shapeName(number) + ": "; }

// Reads the canvas on a 9 x 9 grid of pixels, `inset` pixels in from the
// edges, or every pixel; true when `wanted` holds for all that were read.
template <class Wanted>
bool everyPixel(const forms::Canvas& canvas, bool whole, int inset, Wanted wanted) {
  const int w = canvas.width();
  const int h = canvas.height();
  if (whole) {
    for (forms::Color c : canvas.pixels()) {
      if (!wanted(c)) return false;
    }
    return true;
  }
  const int x0 = std::min(inset, (w - 1) / 2);
  const int y0 = std::min(inset, (h - 1) / 2);
  constexpr int steps = 8;
  for (int j = 0; j <= steps; ++j) {
    const int y = y0 + (h - 1 - 2 * y0) * j / steps;
    for (int i = 0; i <= steps; ++i) {
      const int x = x0 + (w - 1 - 2 * x0) * i / steps;
      if (!wanted(canvas.pixel(x, y))) return false;
    }
  }
  return true;
}

// On the screen: the control and every container up to its form.
bool shown(const forms::Control& control) {
  for (const forms::Control* c = &control; c; c = c->parent()) {
    if (!c->visible()) return false;
    if (c->kind() == forms::ControlKind::Form) return true;
  }
  return false;
}

// The keyboard rests on a control the child can see, in the window shown.
std::string checkFocus(forms::Form& form, const std::string& where) {
  forms::Control* focused = form.focused();
  if (!focused) return where + "a window on the screen has no keyboard focus";
  if (&focused->form() != &form) return where + "the focus is on another window's control";
  if (!focused->takesFocus() || !shown(*focused)) {
    return where + "the focus rests on a control the child cannot see";
  }
  return {};
}

std::string checkSpeed(const Program& program) {
  const float speed = program.speed();
  for (float allowed : speedChoices) {
    if (speed == allowed) return {};
  }
  return "the speed is " + std::to_string(speed) + ", not 20, 50 or 100";
}

}  // namespace

std::string ProgramChecks::afterStart(Program& program, int objectsBefore) {
  objectsBefore_ = objectsBefore;
  versionLine_ = program.menu.versionLine;
  lastOpen_ = 0;
  lastRunning_ = -1;
  if (forms::programEnded()) return "a fresh program starts ended";
  if (!program.menu.loaded() || !program.menu.visible()) return "a fresh program shows no menu";
  if (program.speed() != 50) return "a fresh program does not start at the normal speed";
  for (int n = 1; n <= shapeCount; ++n) {
    if (shapeWindow(program, n)) return in(n) + "made before the child opened it";
  }
  return afterEvent(program);
}

std::string ProgramChecks::afterEvent(Program& program) {
  ++events_;
  MenuWindow& menu = program.menu;
  if (!menu.loaded()) return "the menu was unloaded while the program runs";
  // The menu is built once, at start: its load step never runs again.
  if (menu.versionLine != versionLine_) return "the menu was built again";
  const forms::VersionRecord& version = forms::versionRecord();
  if (menu.versionLine->caption().rfind(version.productName + " ver.", 0) != 0) {
    return "the menu's version line was lost";
  }

  int objects = 1 + menu.ownedControlCount() + menu.ownedTimerCount();
  int openCount = 0;
  int open = 0;
  for (int n = 1; n <= shapeCount; ++n) {
    SimulationWindow* window = shapeWindow(program, n);
    if (!window) continue;
    objects += 1 + window->ownedControlCount() + window->ownedTimerCount();
    if (window->loaded()) {
      ++openCount;
      open = n;
      if (!window->visible()) return in(n) + "open but not on the screen";
    } else {
      if (window->visible()) return in(n) + "on the screen but not loaded";
      if (window->ownedControlCount() != 0 || window->ownedTimerCount() != 0) {
        return in(n) + "closed but keeps controls or timers";
      }
    }
  }
  if (openCount > 1) return std::to_string(openCount) + " simulation windows open at once";
  if (menu.visible() == (openCount == 1)) {
    return menu.visible() ? in(open) + "open while the menu is shown"
                          : "neither the menu nor a simulation window is on the screen";
  }
  if (forms::liveObjectCount() != objectsBefore_ + objects) {
    return "live toolkit objects: " + std::to_string(forms::liveObjectCount()) +
           ", the windows own " + std::to_string(objectsBefore_ + objects);
  }
  if (std::string wrong = checkSpeed(program); !wrong.empty()) return wrong;

  if (open == 0) {
    lastOpen_ = 0;
    lastRunning_ = -1;
    return checkFocus(menu, "menu: ");
  }
  SimulationWindow& window = *shapeWindow(program, open);
  // The whole metal is read when the window has just opened, when it has
  // just turned idle, and now and then; a grid of pixels otherwise.
  const bool wholeMetal =
      open != lastOpen_ || (!window.heat.running() && lastRunning_ != 0) || events_ % 512 == 0;
  lastOpen_ = open;
  lastRunning_ = window.heat.running();
  if (std::string wrong = checkFocus(window, in(open)); !wrong.empty()) return wrong;
  if (std::string wrong = checkWindow(window, program.speed(), wholeMetal); !wrong.empty())
    return in(open) + wrong;
  return {};
}

std::string ProgramChecks::checkWindow(SimulationWindow& window, float speed, bool wholeMetal) {
  // The option shown selected is the speed in force.
  int selected = -1;
  for (int i = 0; i < 3; ++i) {
    if (!window.speedOptions[i]->value()) continue;
    if (selected >= 0) return "two speed options selected";
    selected = i;
  }
  if (selected < 0) return "no speed option selected";
  if (speedChoices[selected] != speed) {
    return "option " + std::to_string(selected) + " selected, speed " + std::to_string(speed);
  }

  if (!window.heat.running()) {
    // Idle: cold grey metal, the burner cursor, no marker, no timer.
    if (window.retryButton->visible()) return "\"もう一度\" shown while idle";
    if (window.burner->visible()) return "the burner shown while idle";
    for (int i = 0; i < window.pieceCount(); ++i) {
      const std::string piece = "piece " + std::to_string(i) + " ";
      if (window.heatTimers[i]->enabled()) return piece + "has a timer running while idle";
      if (window.markers[i]->visible()) return piece + "shows its marker while idle";
      if (window.metal[i]->mousePointer() != forms::MousePointer::Custom) {
        return piece + "lost the burner cursor while idle";
      }
      if (!everyPixel(window.metal[i]->canvas(), wholeMetal, 0,
                      [](forms::Color c) { return c == grey; })) {
        return piece + "is not all cold grey while idle";
      }
    }
    return {};
  }

  // Heating or finished: "もう一度" exactly once the finishing piece stopped.
  if (!window.burner->visible()) return "the burner hidden during a run";
  const int finishing = finishingPiece(window);
  const bool finished = !window.heatTimers[finishing]->enabled();
  if (window.retryButton->visible() != finished) {
    return finished ? "the run is over but \"もう一度\" is hidden"
                    : "\"もう一度\" shown while the finishing piece still heats";
  }
  double heatingRadius = -1;
  for (int i = 0; i < window.pieceCount(); ++i) {
    const std::string piece = "piece " + std::to_string(i) + " ";
    const double radius = window.heat.pieces[i].frontRadius;
    if (!std::isfinite(radius) || radius < 0)
      return piece + "has a front of " + std::to_string(radius);
    if (window.metal[i]->mousePointer() != forms::MousePointer::Default) {
      return piece + "shows the burner cursor during a run";
    }
    // A marker shows once its front has passed the marker's half width.
    if (window.markers[i]->visible() != (radius > markerSize / 2)) {
      return piece + "marker " + (window.markers[i]->visible() ? "shown" : "hidden") +
             " at front radius " + std::to_string(radius);
    }
    if (window.heatTimers[i]->enabled()) {
      // The pieces' timers started together and tick together: the fronts
      // still growing are one front.
      if (heatingRadius >= 0 && radius != heatingRadius) {
        return piece + "front " + std::to_string(radius) +
               " differs from another heating piece's " + std::to_string(heatingRadius);
      }
      heatingRadius = radius;
    } else {
      // A stopped piece is warm all over (a pixel of slack at its edges,
      // where the slow front may stop half a pixel short of a far corner).
      const int slack = (window.pieceCount() > 1) ? 2 : 0;
      if (!everyPixel(window.metal[i]->canvas(), wholeMetal, slack,
                      [](forms::Color c) { return c != grey; })) {
        return piece + "stopped heating while still partly cold";
      }
    }
  }
  if (heatingRadius >= 0) {
    for (int i = 0; i < window.pieceCount(); ++i) {
      if (!window.heatTimers[i]->enabled() && window.heat.pieces[i].frontRadius > heatingRadius) {
        return "piece " + std::to_string(i) + " stopped beyond a front still growing";
      }
    }
  }
  return {};
}

std::string ProgramChecks::afterEnd(Program& program) {
  if (!forms::programEnded()) return "the program has not ended";
  int windows = 0;
  for (int n = 0; n <= shapeCount; ++n) {
    forms::Form* form = n == 0 ? static_cast<forms::Form*>(&program.menu) : shapeWindow(program, n);
    if (!form) continue;
    ++windows;
    const std::string where = n == 0 ? "menu: " : in(n);
    if (form->loaded() || form->visible()) return where + "still open after the end";
    if (form->ownedControlCount() != 0 || form->ownedTimerCount() != 0) {
      return where + "keeps controls or timers after the end";
    }
  }
  // Only the window objects themselves are left.
  if (forms::liveObjectCount() != objectsBefore_ + windows) {
    return "after the end " + std::to_string(forms::liveObjectCount()) +
           " toolkit objects live, expected " + std::to_string(objectsBefore_ + windows);
  }
  return {};
}

}  // namespace velmora::soak
