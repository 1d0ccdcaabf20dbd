// How a shape's corner rules say where the heat goes. Heat cannot cross
// empty space: a piece the burner reaches only around an inner corner stays
// cold until the front has run the path to that corner, then warms in a disc
// around it. One line per relayed piece says which corner, and how far.
#pragma once

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "heat/heat_run.h"

namespace velmora::heat {

// Straight distance across the metal, squared and summed in double. The
// differences come in at the width the rule computed them in.
inline double straight(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// A threshold is held in single precision, like the mouse coordinates it is
// compared with, so a press exactly on it counts as not beyond it.
inline float singleBound(double threshold) { return static_cast<float>(threshold); }

// One accepted press as a shape's corner rules see it: the pressed point,
// the pieces' sizes from the shape, and the pieces' values the rules rewrite.
class Press {
 public:
  Press(const Shape& shape, std::vector<PieceState>& pieces, float x, float y, float speedFactor)
      : x(x), y(y), twiceSpeed(2 * speedFactor), shape_(shape), pieces_(pieces) {}

  const float x;  // the pressed point, in the pressed piece's coordinates
  const float y;
  // Twice the speed at the press: the margin that carries the front over a
  // corner it would otherwise stop half a pixel short of.
  const float twiceSpeed;

  float width(int piece) const { return shape_.pieces[index(piece)].width; }
  float height(int piece) const { return shape_.pieces[index(piece)].height; }
  // Corner to opposite corner: the farthest the heat goes in a piece it
  // enters at a corner.
  double diagonal(int piece) const { return straight(width(piece), height(piece)); }
  // The path to a piece's entry point, as this press has set it so far.
  double entry(int piece) const { return pieces_[index(piece)].entryDistance; }

  // `piece` warms from (centreX, centreY), in its own coordinates, once the
  // front has run `entry`; it is covered when the front has gone the
  // lengths in `beyond` further, added one after another.
  void relay(int piece, double centreX, double centreY, double entry,
             std::initializer_list<double> beyond) {
    PieceState& state = pieces_[index(piece)];
    state.sourceX = centreX;
    state.sourceY = centreY;
    state.entryDistance = entry;
    state.maxReach = entry;
    for (const double length : beyond) state.maxReach += length;
  }

  // The pressed piece keeps its disc around the burner but runs on until the
  // heat has reached the far end of the shape: it finishes the run.
  void ownLimit(int piece, double reach) { pieces_[index(piece)].maxReach = reach; }

 private:
  static std::size_t index(int piece) { return static_cast<std::size_t>(piece); }

  const Shape& shape_;
  std::vector<PieceState>& pieces_;
};

}  // namespace velmora::heat
