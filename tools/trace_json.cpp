#include "tools/trace_json.h"

#include <cstdio>
#include <cstdlib>

namespace velmora::trace {

namespace {

// At least six decimals, and as many more as it takes to read back the very
// same value, so a trace can be checked to the last bit of the model.
std::string exactNumber(double value) {
  char text[512];
  for (int decimals = 6;; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (std::strtod(text, nullptr) == value || decimals >= 200) return text;
  }
}

std::string tickOrNull(const std::optional<int>& tick) {
  return tick ? std::to_string(*tick) : "null";
}

std::string pieceJson(const heat::PieceRecord& piece) {
  const heat::PieceState& atPress = piece.atPress;
  return "{\"sourceX\": " + exactNumber(atPress.sourceX) +
         ", \"sourceY\": " + exactNumber(atPress.sourceY) +
         ", \"entryDistance\": " + exactNumber(atPress.entryDistance) +
         ", \"maxReach\": " + exactNumber(atPress.maxReach) +
         ", \"fireTick\": " + tickOrNull(piece.fireTick) +
         ", \"firstDrawTick\": " + tickOrNull(piece.firstDrawTick) +
         ", \"stopTick\": " + std::to_string(piece.stopTick) +
         ", \"lastRadius\": " + (piece.lastDisc ? exactNumber(piece.lastDisc->radius) : "null") +
         "}";
}

}  // namespace

std::string traceJson(std::string_view window, int clickedPiece, int speedFactor,
                      const heat::RunRecord& trace) {
  std::string json = "{\n  \"window\": \"" + std::string(window) + "\",\n";
  json += "  \"clickedPiece\": " + std::to_string(clickedPiece) + ",\n";
  json += "  \"speedFactor\": " + std::to_string(speedFactor) + ",\n";
  json += "  \"retryTick\": " +
          tickOrNull(trace.retryTicks.empty() ? std::nullopt
                                              : std::optional<int>(trace.retryTicks.back())) +
          ",\n";
  json += "  \"pieces\": [\n";
  for (std::size_t i = 0; i < trace.pieces.size(); ++i) {
    json += "    " + pieceJson(trace.pieces[i]) + (i + 1 < trace.pieces.size() ? ",\n" : "\n");
  }
  json += "  ]\n}\n";
  return json;
}

}  // namespace velmora::trace
