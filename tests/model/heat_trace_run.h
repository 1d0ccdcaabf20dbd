// Running the built heat-trace tool from a test, and reading its answer.
// CTest names the tool's path in HEAT_TRACE.
#pragma once

#include <doctest/doctest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/model/model_checks.h"

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora::testing {

struct ToolResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

inline std::string quotedForShell(const std::string& argument) {
#if defined(_WIN32)
  return "\"" + argument + "\"";
#else
  std::string quoted = "'";
  for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
#endif
}

inline std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline ToolResult runHeatTrace(const std::vector<std::string>& arguments) {
  const char* tool = std::getenv("HEAT_TRACE");
  REQUIRE_MESSAGE(tool != nullptr, "HEAT_TRACE is not set: run the model tests through ctest");
  static int runs = 0;
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
#if defined(_WIN32)
  const std::string id = std::to_string(++runs);
#else
  const std::string id = std::to_string(getpid()) + "-" + std::to_string(++runs);
#endif
  const std::filesystem::path out = folder / ("velmora-heat-trace-" + id + ".out");
  const std::filesystem::path err = folder / ("velmora-heat-trace-" + id + ".err");
  std::string command = quotedForShell(tool);
  for (const std::string& argument : arguments) command += " " + quotedForShell(argument);
  command += " >" + quotedForShell(out.string()) + " 2>" + quotedForShell(err.string());
#if defined(_WIN32)
  // cmd.exe drops the first and the last quote of a command that starts
  // with one; a pair around the whole keeps every argument's own.
  command = "\"" + command + "\"";
#endif
  int status = std::system(command.c_str());
  ToolResult result;
#if defined(_WIN32)
  // Under Wine on a busy machine the command shell now and then fails to
  // start at all (system() answers -1 before the tool has run); what the
  // tests look at is the tool's own answer, so such a launch is tried again.
  for (int retry = 0; status == -1 && retry < 3; ++retry) status = std::system(command.c_str());
  result.exitStatus = status;
#else
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  result.out = fileText(out);
  result.err = fileText(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return result;
}

// The text of the value after `"name": `, from `from` on: a number, null,
// or a quoted string with its quotes.
inline std::string jsonValue(const std::string& json, const std::string& name,
                             std::size_t from = 0) {
  const std::string key = "\"" + name + "\": ";
  const std::size_t at = json.find(key, from);
  if (at == std::string::npos) return "(missing)";
  const std::size_t start = at + key.size();
  const std::size_t end = json.find_first_of(",}\n", start);
  return json.substr(start, end - start);
}

inline double jsonNumber(const std::string& json, const std::string& name, std::size_t from = 0) {
  return std::strtod(jsonValue(json, name, from).c_str(), nullptr);
}

// Where each piece's object starts, in index order.
inline std::vector<std::size_t> pieceStarts(const std::string& json) {
  std::vector<std::size_t> starts;
  for (std::size_t at = json.find("{\"sourceX\""); at != std::string::npos;
       at = json.find("{\"sourceX\"", at + 1)) {
    starts.push_back(at);
  }
  return starts;
}

// Lengths are printed with at least six decimals.
inline int decimalsOf(const std::string& number) {
  const std::size_t point = number.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

inline std::string tickText(const std::optional<int>& tick) {
  return tick ? std::to_string(*tick) : "null";
}

// A trace holds, piece by piece, exactly what the model did for the same
// press: its values at the press and the ticks of its run.
inline void checkTraceOfModel(const std::string& json, int clickedPiece, const RunRecord& run) {
  const std::vector<std::size_t> pieces = pieceStarts(json);
  REQUIRE(pieces.size() == run.pieces.size());
  REQUIRE(run.retryTicks.size() == 1);
  CHECK(jsonValue(json, "clickedPiece") == std::to_string(clickedPiece));
  CHECK(jsonValue(json, "retryTick") == std::to_string(run.retryTicks[0]));
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    CAPTURE(i);
    const PieceRecord& piece = run.pieces[i];
    CHECK(jsonNumber(json, "sourceX", pieces[i]) == piece.atPress.sourceX);
    CHECK(jsonNumber(json, "sourceY", pieces[i]) == piece.atPress.sourceY);
    CHECK(jsonNumber(json, "entryDistance", pieces[i]) == piece.atPress.entryDistance);
    CHECK(jsonNumber(json, "maxReach", pieces[i]) == piece.atPress.maxReach);
    CHECK(jsonValue(json, "fireTick", pieces[i]) == tickText(piece.fireTick));
    CHECK(jsonValue(json, "firstDrawTick", pieces[i]) == tickText(piece.firstDrawTick));
    CHECK(jsonValue(json, "stopTick", pieces[i]) == std::to_string(piece.stopTick));
    REQUIRE(piece.lastDisc.has_value());
    CHECK(jsonNumber(json, "lastRadius", pieces[i]) == piece.lastDisc->radius);
  }
}

// heat-trace's answer to a press on a shape at normal speed ({piece, x, y}
// as the tool takes them) names the shape and holds exactly the model's
// run; the answer is given back for checks of its own.
inline std::string checkTraceOfPress(const heat::Shape& shape,
                                     const std::vector<std::string>& press,
                                     RunRecord* modelRun = nullptr) {
  const ToolResult result =
      runHeatTrace({std::string(shape.name), press.at(0), press.at(1), press.at(2), "50"});
  REQUIRE(result.exitStatus == 0);
  CHECK(jsonValue(result.out, "window") == "\"" + std::string(shape.name) + "\"");
  HeatRun front = pressed(shape, std::stoi(press[0]), std::stof(press[1]), std::stof(press[2]));
  const RunRecord run = heat::runToEnd(front, normal);
  checkTraceOfModel(result.out, front.clickedPiece(), run);
  if (modelRun) *modelRun = run;
  return result.out;
}

// heat-trace refuses each of these presses ({piece, x, y} outside the
// shape's pieces) with status 2 and prints nothing.
inline void checkTraceRefuses(const heat::Shape& shape,
                              const std::vector<std::vector<std::string>>& presses) {
  for (const std::vector<std::string>& press : presses) {
    CAPTURE(press[0] + " " + press[1] + " " + press[2]);
    const ToolResult result =
        runHeatTrace({std::string(shape.name), press[0], press[1], press[2], "50"});
    CHECK(result.exitStatus == 2);
    CHECK(result.out.empty());
  }
}

}  // namespace velmora::testing
