// heat-trace WINDOW PIECE X Y SPEED
//
// Runs one accepted left-button press on a shape's heat model, with no window and no display, and
// prints what every piece did as one JSON object: the numbers a teacher's screen would show, tick
// by tick, checkable without a screen.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "app/metal_on_window.h"
#include "heat/heat_run.h"
#include "tools/trace_json.h"

namespace {

using velmora::heat::Shape;

constexpr int refused = 2;

struct Refusal {
  std::string message;
};

[[noreturn]] void refuse(const std::string& argument, const std::string& why) {
  throw Refusal{argument + ": " + why};
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// A shape by its name, or by the name its window went by in earlier
// versions of this tool: simulation4 is the spiral, simulation6 the 凹.
const Shape& shapeArgument(std::string_view name) {
  constexpr std::string_view earlierNames[][2] = {
      {"simulation1", "plate"},  {"simulation2", "rod"}, {"simulation3", "t"},
      {"simulation4", "spiral"}, {"simulation5", "h"},   {"simulation6", "concave"}};
  for (const auto& [earlier, shape] : earlierNames) {
    if (name == earlier) name = shape;
  }
  if (const Shape* shape = velmora::heat::shapeNamed(name)) return *shape;
  refuse("WINDOW", "unknown window " + quoted(name) +
                       " (plate, rod, t, concave, h, spiral, or simulation1 to simulation6)");
}

// The number readers skip leading blanks; an argument must be the number
// alone.
bool startsWithNumber(const char* text) {
  return *text != '\0' && !std::isspace(static_cast<unsigned char>(*text));
}

// A whole decimal number, nothing before or after it.
std::optional<long> wholeNumber(const char* text) {
  if (!startsWithNumber(text)) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || errno == ERANGE) return std::nullopt;
  return value;
}

int pieceArgument(const char* text, std::string_view window, int pieceCount) {
  const std::optional<long> piece = wholeNumber(text);
  if (!piece) refuse("PIECE", quoted(text) + " is not a piece index");
  if (*piece < 0 || *piece >= pieceCount) {
    refuse("PIECE", std::to_string(*piece) + " is out of range for " + std::string(window) +
                        " (0 to " + std::to_string(pieceCount - 1) + ")");
  }
  return static_cast<int>(*piece);
}

// A mouse coordinate within the pressed piece, then held in single
// precision as the mouse event delivers it. The range is checked on the
// number as written, so a point just past the edge is refused rather than
// rounded onto it.
float coordinateArgument(const char* name, const char* text, float pieceSize) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (!startsWithNumber(text) || *end != '\0' || !std::isfinite(value)) {
    refuse(name, quoted(text) + " is not a finite number");
  }
  if (value < 0 || value > pieceSize) {
    char size[64];
    std::snprintf(size, sizeof size, "%g", static_cast<double>(pieceSize));
    refuse(name, quoted(text) + " lies outside the piece (0 to " + size + ")");
  }
  return static_cast<float>(value);
}

// One of the three speeds the windows offer: slow, normal, fast.
int speedArgument(const char* text) {
  char* end = nullptr;
  const double speed = std::strtod(text, &end);
  if (!startsWithNumber(text) || *end != '\0' || (speed != 20 && speed != 50 && speed != 100)) {
    refuse("SPEED", quoted(text) + " is not 20, 50 or 100");
  }
  return static_cast<int>(speed);
}

int trace(int argc, char** argv) {
  if (argc != 6) {
    refuse("WINDOW PIECE X Y SPEED", "expected 5 arguments, got " + std::to_string(argc - 1) +
                                         " (usage: heat-trace WINDOW PIECE X Y SPEED)");
  }
  const Shape& shape = shapeArgument(argv[1]);
  const int piece = pieceArgument(argv[2], argv[1], static_cast<int>(shape.pieces.size()));
  const velmora::heat::Rect& pressed = shape.pieces[static_cast<std::size_t>(piece)];
  const float x = coordinateArgument("X", argv[3], pressed.width);
  const float y = coordinateArgument("Y", argv[4], pressed.height);
  const int speed = speedArgument(argv[5]);

  velmora::heat::HeatRun run(shape, velmora::simulationSurroundings);
  run.press(piece, x, y, static_cast<float>(speed));
  const velmora::heat::RunRecord record = velmora::heat::runToEnd(run, static_cast<float>(speed));
  std::fputs(velmora::trace::traceJson(argv[1], piece, speed, record).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return trace(argc, argv);
  } catch (const Refusal& refusal) {
    std::fprintf(stderr, "heat-trace: %s\n", refusal.message.c_str());
    return refused;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "heat-trace: %s\n", failure.what());
    return 1;
  }
}
