// The heat-trace tool: the run it prints for a press on the rectangle plate
// and the rod, and the arguments it refuses.
#include <doctest/doctest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/model/heat_trace_run.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

}  // namespace

TEST_CASE("heat-trace prints the plate's run from a press near its centre") {
  const ToolResult result = runHeatTrace({"simulation1", "0", "3240", "2220", "50"});
  REQUIRE(result.exitStatus == 0);
  CHECK(result.err.empty());
  const std::string& json = result.out;
  CHECK(jsonValue(json, "window") == "\"simulation1\"");
  CHECK(jsonValue(json, "clickedPiece") == "0");
  CHECK(jsonValue(json, "speedFactor") == "50");
  CHECK(jsonValue(json, "retryTick") == "86");
  const std::vector<std::size_t> pieces = pieceStarts(json);
  REQUIRE(pieces.size() == 1);
  CHECK(jsonValue(json, "fireTick", pieces[0]) == "5");
  CHECK(jsonValue(json, "firstDrawTick", pieces[0]) == "1");
  CHECK(jsonValue(json, "stopTick", pieces[0]) == "86");
  for (const char* length : {"sourceX", "sourceY", "entryDistance", "maxReach", "lastRadius"}) {
    CAPTURE(length);
    CHECK(decimalsOf(jsonValue(json, length, pieces[0])) >= 6);
  }
  CHECK(jsonNumber(json, "sourceX", pieces[0]) == 3240);
  CHECK(jsonNumber(json, "sourceY", pieces[0]) == 2220);
  CHECK(jsonNumber(json, "entryDistance", pieces[0]) == 0);

  // The very numbers of the model, to the last bit.
  HeatRun front = pressed(heat::plate, 0, 3240, 2220);
  const RunRecord run = heat::runToEnd(front, normal);
  CHECK(jsonNumber(json, "maxReach", pieces[0]) == front.pieces[0].maxReach);
  REQUIRE(run.pieces[0].lastDisc.has_value());
  CHECK(jsonNumber(json, "lastRadius", pieces[0]) == run.pieces[0].lastDisc->radius);
}

TEST_CASE("heat-trace takes the press as single-precision mouse coordinates") {
  const ToolResult result = runHeatTrace({"simulation2", "0", "4200.3", "60.7", "100"});
  REQUIRE(result.exitStatus == 0);
  const std::size_t piece = pieceStarts(result.out).at(0);
  CHECK(jsonNumber(result.out, "sourceX", piece) == static_cast<double>(4200.3f));
  CHECK(jsonNumber(result.out, "sourceY", piece) == static_cast<double>(60.7f));
  HeatRun front = pressed(heat::rod, 0, 4200.3f, 60.7f, fast);
  const RunRecord run = heat::runToEnd(front, fast);
  CHECK(jsonNumber(result.out, "maxReach", piece) == front.pieces[0].maxReach);
  CHECK(jsonValue(result.out, "stopTick", piece) == std::to_string(run.pieces[0].stopTick));
  CHECK(jsonValue(result.out, "retryTick") == std::to_string(run.pieces[0].stopTick));
}

TEST_CASE("heat-trace accepts a press on the very edges of the piece") {
  for (const auto& press :
       std::vector<std::vector<std::string>>{{"simulation1", "0", "0", "0", "20"},
                                             {"simulation1", "0", "6495", "4455", "100"},
                                             {"simulation2", "0", "8415", "135", "50"}}) {
    CAPTURE(press[0] + " " + press[2] + " " + press[3]);
    CHECK(runHeatTrace(press).exitStatus == 0);
  }
}

TEST_CASE("heat-trace refuses a wrong argument with one line naming it, and status 2") {
  struct Refused {
    std::vector<std::string> arguments;
    const char* named;
  };
  const std::vector<Refused> cases{
      {{}, "WINDOW PIECE X Y SPEED"},
      {{"simulation1", "0", "3240", "2220"}, "WINDOW PIECE X Y SPEED"},
      {{"simulation1", "0", "3240", "2220", "50", "extra"}, "WINDOW PIECE X Y SPEED"},
      {{"simulation7", "0", "10", "10", "50"}, "WINDOW"},
      {{"simulation0", "0", "10", "10", "50"}, "WINDOW"},
      {{"Simulation1", "0", "10", "10", "50"}, "WINDOW"},
      {{"T", "0", "10", "10", "50"}, "WINDOW"},
      {{"simulation1", "1", "10", "10", "50"}, "PIECE"},
      {{"simulation1", "-1", "10", "10", "50"}, "PIECE"},
      {{"simulation1", "zero", "10", "10", "50"}, "PIECE"},
      {{"simulation1", "0.5", "10", "10", "50"}, "PIECE"},
      {{"simulation1", "0", "nan", "10", "50"}, "X"},
      {{"simulation1", "0", "inf", "10", "50"}, "X"},
      {{"simulation1", "0", "1e39", "10", "50"}, "X"},
      {{"simulation1", "0", "ten", "10", "50"}, "X"},
      {{"simulation1", "0", "", "10", "50"}, "X"},
      {{"simulation1", "0", "10px", "10", "50"}, "X"},
      {{"simulation1", "0", "-1", "10", "50"}, "X"},
      {{"simulation1", "0", "6496", "10", "50"}, "X"},
      {{"simulation1", "0", "6495.0001", "10", "50"}, "X"},
      {{"simulation2", "0", "10", "135.000001", "50"}, "Y"},
      {{"simulation1", "0", "10", "-0.5", "50"}, "Y"},
      {{"simulation1", "0", "10", "4456", "50"}, "Y"},
      {{"simulation2", "0", "10", "136", "50"}, "Y"},
      {{"simulation1", "0", "10", "-nan", "50"}, "Y"},
      {{"simulation1", "0", "10", "10", "30"}, "SPEED"},
      {{"simulation1", "0", "10", "10", "0"}, "SPEED"},
      {{"simulation1", "0", "10", "10", "fast"}, "SPEED"},
      {{"simulation1", "0", "10", "10", ""}, "SPEED"},
  };
  for (const Refused& refused : cases) {
    std::string shown;
    for (const std::string& argument : refused.arguments) shown += "[" + argument + "]";
    CAPTURE(shown);
    const ToolResult result = runHeatTrace(refused.arguments);
    CHECK(result.exitStatus == 2);
    CHECK(result.out.empty());
    CHECK(result.err.rfind("heat-trace: ", 0) == 0);
    CHECK(result.err.find(std::string(refused.named) + ":") != std::string::npos);
    CHECK(result.err.find('\n') == result.err.size() - 1);
  }
}

TEST_CASE("heat-trace knows every shape by its name and by its window's earlier name") {
  const std::pair<std::string, std::string> names[] = {
      {"plate", "simulation1"},  {"rod", "simulation2"}, {"t", "simulation3"},
      {"spiral", "simulation4"}, {"h", "simulation5"},   {"concave", "simulation6"}};
  // Named members rather than a structured binding: clang (the browser
  // build's compiler) cannot capture a binding in CAPTURE's lambda.
  for (const auto& pair : names) {
    const std::string& name = pair.first;
    const std::string& earlier = pair.second;
    CAPTURE(name);
    const ToolResult byName = runHeatTrace({name, "0", "0.3", "7.25", "50"});
    const ToolResult byEarlierName = runHeatTrace({earlier, "0", "0.3", "7.25", "50"});
    REQUIRE(byName.exitStatus == 0);
    REQUIRE(byEarlierName.exitStatus == 0);
    CHECK(jsonValue(byName.out, "window") == "\"" + name + "\"");
    CHECK(jsonValue(byEarlierName.out, "window") == "\"" + earlier + "\"");
    std::string renamed = byEarlierName.out;
    renamed.replace(renamed.find(earlier), earlier.size(), name);
    CHECK(renamed == byName.out);
  }
}
