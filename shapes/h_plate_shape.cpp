#include "shapes/h_plate_shape.h"

#include <array>
#include <cstddef>

#include "shapes/relay_rows.h"

namespace velmora::h_plate {

namespace {

// Heat from a block reaches the far upright through the near inner corner
// and the whole crossbar. The crossbar itself is entered at its own corner of
// that inner corner, unless the burner sits so close to the block's edge by
// the crossbar (within three quarters of the crossbar's height) that the
// crossbar warms straight from it. The middle strip of the far upright lies
// in line with the crossbar, so it warms from the crossbar's far end.

void upperLeftBlock(RelayRows& r) {
  const double d = straight(r.W(0) - r.X, r.H(0) - r.Y);
  if (r.Y < bound(r.H(0) - 0.75 * r.H(3))) r.relay(3, 0, 0, d, {r.diag(3)});
  r.relay(4, 0, r.H(4), d + r.W(3), {r.diag(4)});
  r.relay(5, -r.W(3), r.H(5) / 2, d, {r.W(5), r.W(3)});
  r.relay(6, 0, 0, d + r.W(3), {r.diag(6)});
}

// From the left middle strip the heat runs straight along strip and
// crossbar; only the two right blocks lie round a corner.
void leftMiddleStrip(RelayRows& r) {
  const float e = (r.W(1) - r.X) + r.W(3);
  r.relay(4, 0, r.H(4), e, {r.diag(4)});
  r.relay(6, 0, 0, e, {r.diag(6)});
}

void lowerLeftBlock(RelayRows& r) {
  const double d = straight(r.W(2) - r.X, r.Y);
  if (r.Y > bound(0.75 * r.H(3))) r.relay(3, 0, r.H(3), d, {r.diag(3)});
  r.relay(4, 0, r.H(4), d + r.W(3), {r.diag(4)});
  r.relay(5, -r.W(3), r.H(5) / 2, d, {r.W(5), r.W(3)});
  r.relay(6, 0, 0, d + r.W(3), {r.diag(6)});
}

// From the crossbar a block warms directly while the burner is within the
// crossbar's height of that block's end, otherwise around its inner corner.
// The crossbar's own front runs, wherever it was pressed, as far as heat
// needs to go along the whole crossbar and down a lower block: the run from
// the crossbar is done then.
void crossbar(RelayRows& r) {
  r.ownLimit(3, r.H(2) + r.W(3));
  if (r.X > r.H(3)) r.relay(0, r.W(0), r.H(0), straight(r.X, r.Y), {r.diag(0)});
  if (r.X > r.H(3)) r.relay(2, r.W(2), 0, straight(r.X, r.H(3) - r.Y), {r.diag(2)});
  if (r.X < r.W(3) - r.H(3)) r.relay(4, 0, r.H(4), straight(r.W(3) - r.X, r.Y), {r.diag(4)});
  if (r.X < r.W(3) - r.H(3)) {
    r.relay(6, 0, 0, straight(r.W(3) - r.X, r.H(3) - r.Y), {r.diag(6)});
  }
}

void upperRightBlock(RelayRows& r) {
  const double d = straight(r.X, r.H(4) - r.Y);
  if (r.Y < bound(r.H(4) - 0.75 * r.H(3))) r.relay(3, r.W(3), 0, d, {r.diag(3)});
  r.relay(0, r.W(0), r.H(0), d + r.W(3), {r.diag(0)});
  r.relay(1, r.W(3) + r.W(1), r.H(1) / 2, d, {r.W(1), r.W(3)});
  r.relay(2, r.W(2), 0, d + r.W(3), {r.diag(2)});
}

void rightMiddleStrip(RelayRows& r) {
  const float e = r.W(3) + r.X;
  r.relay(0, r.W(0), r.H(0), e, {r.diag(0)});
  r.relay(2, r.W(2), 0, e, {r.diag(2)});
}

// Unlike the other blocks, this one sees the far middle strip from the
// strip's bottom edge, and covers it by the distance to its top-left corner.
void lowerRightBlock(RelayRows& r) {
  const double d = straight(r.X, r.Y);
  if (r.Y > bound(0.75 * r.H(3))) r.relay(3, r.W(3), r.H(3), d, {r.diag(3)});
  r.relay(0, r.W(0), r.H(0), d + r.W(3), {r.diag(0)});
  r.relay(1, r.W(3) + r.W(1), r.H(1), d, {straight(r.W(3) + r.W(1), r.H(1))});
  r.relay(2, r.W(2), 0, d + r.W(3), {r.diag(2)});
}

// The rules of each piece, by the index of the piece pressed.
constexpr std::array<void (*)(RelayRows&), 7> rulesOfPiece{
    upperLeftBlock,  leftMiddleStrip,  lowerLeftBlock, crossbar,
    upperRightBlock, rightMiddleStrip, lowerRightBlock};

void rules(PieceArrays& arrays, const ShapeRulesInput& press) {
  if (press.clicked < 0 || press.clicked >= static_cast<int>(rulesOfPiece.size())) return;
  RelayRows rows(arrays, press);
  rulesOfPiece[static_cast<std::size_t>(press.clicked)](rows);
}

}  // namespace

const std::vector<forms::Rect> fields = {
    {960, 840, 1935, 1695},    // upper-left block
    {960, 2520, 1935, 375},    // left middle strip, level with the crossbar
    {960, 2880, 1935, 2415},   // lower-left block
    {2880, 2520, 2895, 375},   // crossbar
    {5760, 840, 1095, 1695},   // upper-right block
    {5760, 2520, 1095, 375},   // right middle strip
    {5760, 2880, 1095, 2415},  // lower-right block
};

// A press on the left upright ends when the far lower-right block is warm,
// one on the right upright when the lower-left block is; a press on the
// crossbar ends with the crossbar's own long limit.
const MultiShape shape{7, 0.8, Slowdown::TimesK, {6, 6, 6, 3, 2, 2, 2, 0, 0}, rules};

}  // namespace velmora::h_plate
