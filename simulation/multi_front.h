// The heat front on a metal built from several rectangles (pieces). One
// radius per piece, grown by that piece's own timer; a piece reached only
// around an inner corner draws its disc around an entry point at that
// corner, with the path length to it taken off the radius.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "forms/types.h"
#include "simulation/front_tick.h"

namespace velmora {

constexpr int maxPieces = 9;

// The per-run values of every piece, rewritten by every accepted press.
struct PieceArrays {
  std::int16_t clickedPiece = 0;
  std::array<double, maxPieces> sourceX{};
  std::array<double, maxPieces> sourceY{};
  std::array<double, maxPieces> entryDistance{};
  std::array<double, maxPieces> maxReach{};
  std::array<float, maxPieces> frontRadius{};
};

// Largest distance from (x, y), in the piece's coordinates, to one of the
// piece's corners.
double proc1(float x, float y, const forms::Rect& piece);

// A shape's rules for a press on `clicked` at (x, y): they relay some
// pieces around corners by overwriting their entries. `pieces` are the
// piece rectangles read from the controls at the press.
struct ShapeRulesInput {
  std::int16_t clicked;
  float x;
  float y;
  const std::vector<forms::Rect>& pieces;
  float speedFactor;  // its value at the press
};
using ShapeRules = void (*)(PieceArrays& arrays, const ShapeRulesInput& press);

// How the growth step slows down with the radius in one window.
enum class Slowdown {
  TimesK,     // r * k / W, for the T, the H and the concave plate
  HalfOverW,  // r / 2 / W, for the spiral
};

struct MultiShape {
  int pieceCount;
  double slowdownFactor;  // k
  Slowdown slowdown;
  std::array<std::int16_t, maxPieces> finishingPiece;  // by clicked piece
  ShapeRules rules;
};

class MultiFront {
 public:
  explicit MultiFront(const MultiShape& shape) : shape(shape) {}

  // An accepted left press on piece `index` at (x, y): direct mapping of
  // every piece, then the shape's rules, then every radius back to 0.
  void press(std::int16_t index, float x, float y,
             const std::vector<forms::Rect>& pieces, float speedFactor);
  // One tick of piece i's timer.
  FrontTick tick(std::int16_t i, float windowWidth, float speedFactor);

  const MultiShape& shape;
  PieceArrays arrays;
  // Where each piece's `fire` marker goes (its top-left, in the piece's
  // coordinates): centred on the pressed point, whatever the rules relay.
  std::array<forms::Point, maxPieces> marker{};
};

}  // namespace velmora
