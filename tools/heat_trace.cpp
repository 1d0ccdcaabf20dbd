// heat-trace WINDOW PIECE X Y SPEED
//
// Runs one accepted left-button press on a simulation window's heat-front
// model, with no window and no display, and prints what every piece did as
// one JSON object: the numbers a teacher's screen would show, tick by tick,
// checkable without a screen.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "tools/trace_json.h"
#include "tools/trace_run.h"
#include "tools/trace_windows.h"

namespace {

using velmora::trace::TraceWindow;

constexpr int refused = 2;

struct Refusal {
  std::string message;
};

[[noreturn]] void refuse(const std::string& argument, const std::string& why) {
  throw Refusal{argument + ": " + why};
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

const TraceWindow& windowNamed(std::string_view name) {
  for (const TraceWindow& window : velmora::trace::traceWindows()) {
    if (window.name == name) return window;
  }
  refuse("WINDOW", "unknown window " + quoted(name) + " (simulation1 to simulation6)");
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

std::int16_t pieceArgument(const char* text, const TraceWindow& window, int pieceCount) {
  const std::optional<long> piece = wholeNumber(text);
  if (!piece) refuse("PIECE", quoted(text) + " is not a piece index");
  if (*piece < 0 || *piece >= pieceCount) {
    refuse("PIECE", std::to_string(*piece) + " is out of range for " + std::string(window.name) +
                        " (0 to " + std::to_string(pieceCount - 1) + ")");
  }
  return static_cast<std::int16_t>(*piece);
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
  const TraceWindow& window = windowNamed(argv[1]);
  const std::vector<forms::Rect> pieces = velmora::trace::piecesOf(window);
  const std::int16_t piece = pieceArgument(argv[2], window, static_cast<int>(pieces.size()));
  const forms::Rect& pressed = pieces[static_cast<std::size_t>(piece)];
  const float x = coordinateArgument("X", argv[3], pressed.width);
  const float y = coordinateArgument("Y", argv[4], pressed.height);
  const int speed = speedArgument(argv[5]);

  const velmora::trace::Trace run =
      velmora::trace::traceRun(window, piece, x, y, static_cast<float>(speed));
  std::fputs(velmora::trace::traceJson(window.name, piece, speed, run).c_str(), stdout);
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
