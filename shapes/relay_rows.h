// What the corner rules of a multi-piece shape write for one press. Heat
// that cannot cross empty space reaches a piece around an inner corner: the
// piece stays cold until the front has run the path to that corner, then
// warms from there. These helpers let a shape say so in one line per piece.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "shapes/relay.h"

namespace velmora {

// Straight distance across the metal, from single-precision coordinate
// differences, squared and summed in double like the farthest-corner test.
inline double straight(float dx, float dy) { return pathLength(dx, dy); }

// A threshold is compared in single precision, like the mouse coordinates it
// is held against, so a press exactly on it counts as not beyond it.
inline float bound(double threshold) { return static_cast<float>(threshold); }

// One accepted press, seen by a shape's rules: the pressed point, the piece
// sizes read from the controls at the press, and the per-piece arrays the
// rules overwrite.
class RelayRows {
 public:
  RelayRows(PieceArrays& arrays, const ShapeRulesInput& press)
      : X(press.x), Y(press.y), twoSF(2 * press.speedFactor), arrays_(arrays), press_(press) {}

  const float X;  // the pressed point, in the clicked piece's own coordinates
  const float Y;
  // Twice the speed at the press: the margin that carries the front over the
  // outer corner of a bend square before its timer stops.
  const float twoSF;

  float W(int k) const { return piece(k).width; }
  float H(int k) const { return piece(k).height; }
  // Corner to opposite corner of piece k: the farthest the heat has to go
  // once it enters the piece at a corner.
  double diag(int k) const { return diagonal(piece(k)); }
  // The path length to piece j's entry point, as this press has set it.
  double E(int j) const { return arrays_.entryDistance[index(j)]; }

  // Piece j warms from (x, y), in its own coordinates, once the front has run
  // `entry` twips; it is covered when the front has gone the lengths in
  // `beyond` further, added one after another to the entry distance.
  void relay(int j, double x, double y, double entry, std::initializer_list<double> beyond) {
    double reach = entry;
    for (const double length : beyond) reach += length;
    velmora::relay(arrays_, j, {x, y, entry, reach});
  }

  // The pressed piece itself keeps its disc around the burner but runs until
  // the front has reached the far end of the shape.
  void ownLimit(int j, double reach) { arrays_.maxReach[index(j)] = reach; }

 private:
  static std::size_t index(int k) { return static_cast<std::size_t>(k); }
  const forms::Rect& piece(int k) const { return press_.pieces[index(k)]; }

  PieceArrays& arrays_;
  const ShapeRulesInput& press_;
};

}  // namespace velmora
