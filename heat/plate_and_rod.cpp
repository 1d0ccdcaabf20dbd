// The two shapes of one piece, and every shape by its name.
#include <array>

#include "heat/shape.h"

namespace velmora::heat {

namespace {

constexpr std::array<Rect, 1> plateMetal{{{360, 840, 6495, 4455}}};
// A thin bar, nine pixels high, across almost the whole window.
constexpr std::array<Rect, 1> rodMetal{{{120, 2280, 8415, 135}}};
// Nothing to relay: the piece finishes its own run.
constexpr std::array<PressRule, 1> onePiece{{{0}}};

}  // namespace

// A broad plate lets the heat run a little faster at first than the thin rod
// and level off farther out.
constexpr Shape plate{"plate", plateMetal, {1.2, 1, false}, onePiece};
constexpr Shape rod{"rod", rodMetal, {1.1, 1, false}, onePiece};

namespace {

constexpr std::array<const Shape*, 6> shapes{&plate,        &rod,    &tPlate,
                                             &concavePlate, &hPlate, &spiral};

}  // namespace

const Shape* shapeNamed(std::string_view name) {
  for (const Shape* shape : shapes) {
    if (shape->name == name) return shape;
  }
  return nullptr;
}

}  // namespace velmora::heat
