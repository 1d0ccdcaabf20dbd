#include "shapes/spiral_shape.h"

#include <array>
#include <cstddef>

#include "shapes/relay_rows.h"

namespace velmora::spiral {

namespace {

// The heat follows the strip. Pieces in the same straight run as the burner
// warm directly; every other piece warms from the inner corner of the last
// bend before it, once the front has run to the first bend and then along
// every bar in between (E of the piece before it on the way). A bend square
// beyond the first bend carries on the run of the bar before it. Going
// inwards, a bend square is covered once the front has crossed the bar
// before it and its own side, plus twice the speed to carry it over the
// square's outer corner (the slow front stops up to half a pixel short of
// it); going outwards, once it has crossed its own diagonal and that bar.
// The bar just round the first bend warms directly when the burner is within
// three quarters of the strip's thickness of that bend.

// A press on the outer bar: round bend 1, then the whole strip inwards.
void outerBar(RelayRows& r) {
  const double d = straight(r.W(0) - r.X, r.H(0) - r.Y);
  if (bound(r.H(0) - 0.75 * r.H(2)) > r.Y) r.relay(2, 0, 0, d, {r.diag(2)});
  r.relay(3, -r.W(2), 0, d, {r.W(2), r.W(3), r.twoSF});
  r.relay(4, 0, r.H(4), r.E(3) + r.W(2), {r.diag(4)});
  r.relay(5, 0, r.H(5) + r.H(4), r.E(4), {r.H(4), r.H(5), r.twoSF});
  r.relay(6, r.W(6), r.H(6), r.E(5) + r.H(4), {r.diag(6)});
  r.relay(7, r.W(7) + r.W(6), r.H(7), r.E(6), {r.W(6), r.W(7), r.twoSF});
  r.relay(8, r.W(8), 0, r.E(7) + r.W(6), {r.diag(8)});
}

// A press on bend 1 heats the outer bar and the bottom bar directly; the
// rest of the strip lies round bend 3.
void lowerLeftBend(RelayRows& r) {
  const double d = straight(r.W(2) + r.W(1) - r.X, r.Y);
  r.relay(4, 0, r.H(4), d, {r.diag(4)});
  r.relay(5, 0, r.H(5) + r.H(4), r.E(4), {r.H(4), r.H(5), r.twoSF});
  r.relay(6, r.W(6), r.H(6), r.E(5) + r.H(4), {r.diag(6)});
  r.relay(7, r.W(7) + r.W(6), r.H(7), r.E(6), {r.W(6), r.W(7), r.twoSF});
  r.relay(8, r.W(8), 0, r.E(7) + r.W(6), {r.diag(8)});
}

// A press on the bottom bar: outwards round bend 1, inwards round bend 3.
void bottomBar(RelayRows& r) {
  const double toBend1 = straight(r.X, r.Y);
  const double toBend3 = straight(r.W(2) - r.X, r.Y);
  if (bound(0.75 * r.H(2)) < r.X) r.relay(0, r.W(0), r.H(0), toBend1, {r.diag(0)});
  if (bound(r.W(2) - 0.75 * r.H(2)) > r.X) r.relay(4, 0, r.H(4), toBend3, {r.diag(4)});
  r.relay(5, 0, r.H(5) + r.H(4), toBend3, {r.H(4), r.H(5), r.twoSF});
  r.relay(6, r.W(6), r.H(6), r.E(5) + r.H(4), {r.diag(6)});
  r.relay(7, r.W(7) + r.W(6), r.H(7), r.E(6), {r.W(6), r.W(7), r.twoSF});
  r.relay(8, r.W(8), 0, r.E(7) + r.W(6), {r.diag(8)});
}

// A press on bend 3 heats the bottom and right runs directly.
void lowerRightBend(RelayRows& r) {
  const double toBend1 = straight(r.W(2) + r.X, r.Y);
  const double toBend5 = straight(r.X, r.H(4) + r.Y);
  r.relay(0, r.W(0), r.H(0), toBend1, {r.diag(0)});
  r.relay(6, r.W(6), r.H(6), toBend5, {r.diag(6)});
  r.relay(7, r.W(7) + r.W(6), r.H(7), r.E(6), {r.W(6), r.W(7), r.twoSF});
  r.relay(8, r.W(8), 0, r.E(7) + r.W(6), {r.diag(8)});
}

// A press on the right bar: outwards round bend 3, inwards round bend 5.
// The bar's own front runs, wherever it was pressed, for twice the bar's
// length and the bottom bar's: a press here ends on this bar.
void rightBar(RelayRows& r) {
  const float restDown = r.H(4) - r.Y;
  const float nearEnd = bound(0.75 * r.W(4));
  const double toBend3 = straight(r.X, restDown);
  const double toBend5 = straight(r.X, r.Y);
  r.relay(1, r.W(2) + r.W(1), 0, toBend3, {r.diag(1), r.W(2)});
  r.relay(0, r.W(0), r.H(0), r.E(1) + r.W(2), {r.diag(0)});
  if (nearEnd < restDown) r.relay(2, r.W(2), 0, toBend3, {r.diag(2)});
  r.ownLimit(4, 2 * r.H(4) + r.W(2));
  if (nearEnd < r.Y) r.relay(6, r.W(6), r.H(6), toBend5, {r.diag(6)});
  r.relay(7, r.W(7) + r.W(6), r.H(7), toBend5, {r.W(6), r.W(7), r.twoSF});
  r.relay(8, r.W(8), 0, r.E(7) + r.W(6), {r.diag(8)});
}

// A press on bend 5 heats the right and top runs directly. Towards the inner
// bar the heat cuts across the top bar to its upper left corner.
void upperRightBend(RelayRows& r) {
  const double toBend3 = straight(r.X, r.H(5) + r.H(4) - r.Y);
  const double toTopBarEnd = straight(r.W(6) + r.X, r.Y);
  r.relay(2, r.W(2), 0, toBend3, {r.diag(2)});
  r.relay(1, r.W(2) + r.W(1), 0, r.E(2), {r.diag(1), r.W(2)});
  r.relay(0, r.W(0), r.H(0), r.E(1) + r.W(2), {r.diag(0)});
  r.relay(8, r.W(8), 0, toTopBarEnd, {r.diag(8)});
}

// A press on the top bar: outwards round bend 5, and towards the inner bar
// across to the bar's upper left corner.
void topBar(RelayRows& r) {
  const float restAlong = r.W(6) - r.X;
  const float nearEnd = bound(0.75 * r.H(6));
  const double toBend5 = straight(restAlong, r.H(6) - r.Y);
  const double toTopBarEnd = straight(r.X, r.Y);
  r.relay(3, 0, -r.H(4), toBend5, {r.diag(3), r.H(4)});
  r.relay(2, r.W(2), 0, r.E(3) + r.H(4), {r.diag(2)});
  r.relay(1, r.W(2) + r.W(1), 0, r.E(2), {r.diag(1), r.W(2)});
  r.relay(0, r.W(0), r.H(0), r.E(1) + r.W(2), {r.diag(0)});
  if (nearEnd < restAlong) r.relay(4, 0, 0, toBend5, {r.diag(4)});
  if (nearEnd < r.X) r.relay(8, r.W(8), 0, toTopBarEnd, {r.diag(8)});
}

// A press on bend 7 heats the top and inner runs directly; the rest of the
// strip lies outwards round bend 5.
void upperLeftBend(RelayRows& r) {
  const double toBend5 = straight(r.W(7) + r.W(6) - r.X, r.H(7) - r.Y);
  r.relay(4, 0, 0, toBend5, {r.diag(4)});
  r.relay(3, 0, -r.H(4), r.E(4), {r.diag(3), r.H(4)});
  r.relay(2, r.W(2), 0, r.E(3) + r.H(4), {r.diag(2)});
  r.relay(1, r.W(2) + r.W(1), 0, r.E(2), {r.diag(1), r.W(2)});
  r.relay(0, r.W(0), r.H(0), r.E(1) + r.W(2), {r.diag(0)});
}

// A press on the inner bar: round bend 7, then the whole strip outwards. The
// top bar warms directly only while the burner is within the strip's full
// thickness of it. Bend 5 is seen from bend 7's corner, across the top bar,
// and covered by the distance from there to its far corner.
void innerBar(RelayRows& r) {
  const double d = straight(r.W(8) - r.X, r.Y);
  if (r.Y > r.W(8)) r.relay(6, 0, r.H(6), d, {r.diag(6)});
  r.relay(5, -r.W(6), r.H(5), d, {straight(r.W(6) + r.W(5), r.H(5))});
  r.relay(4, 0, 0, r.E(5) + r.W(6), {r.diag(4)});
  r.relay(3, 0, -r.H(4), r.E(4), {r.diag(3), r.H(4)});
  r.relay(2, r.W(2), 0, r.E(3) + r.H(4), {r.diag(2)});
  r.relay(1, r.W(2) + r.W(1), 0, r.E(2), {r.diag(1), r.W(2)});
  r.relay(0, r.W(0), r.H(0), r.E(1) + r.W(2), {r.diag(0)});
}

// The rules of each piece, by the index of the piece pressed.
constexpr std::array<void (*)(RelayRows&), 9> rulesOfPiece{
    outerBar,       lowerLeftBend, bottomBar,     lowerRightBend, rightBar,
    upperRightBend, topBar,        upperLeftBend, innerBar};

void rules(PieceArrays& arrays, const ShapeRulesInput& press) {
  if (press.clicked < 0 || press.clicked >= static_cast<int>(rulesOfPiece.size())) return;
  RelayRows rows(arrays, press);
  rulesOfPiece[static_cast<std::size_t>(press.clicked)](rows);
}

}  // namespace

const std::vector<forms::Rect> fields = {
    {1200, 840, 735, 3615},   // outer bar; its top end is the outer end of the strip
    {1200, 4440, 735, 735},   // bend 1, lower left
    {1920, 4440, 4215, 735},  // bottom bar
    {6120, 4440, 735, 735},   // bend 3, lower right
    {6120, 1560, 735, 2895},  // right bar
    {6120, 840, 735, 735},    // bend 5, upper right
    {3120, 840, 3015, 735},   // top bar
    {2400, 840, 735, 735},    // bend 7, upper left of the inner turn
    {2400, 1560, 735, 2175},  // inner bar; its bottom end is the inner end of the strip
};

// A press on the outer half of the strip ends when the inner bar is warm, a
// press on the inner half when the outer bar is; a press on the right bar
// ends with that bar's own long limit.
const MultiShape shape{9, 0.5, Slowdown::HalfOverW, {8, 8, 8, 8, 4, 0, 0, 0, 0}, rules};

}  // namespace velmora::spiral
