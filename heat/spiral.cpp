// The spiral: one flat strip wound inwards in a rectangular spiral, five
// straight bars joined end to end by four square bends, with empty gaps
// between the turns that the heat cannot cross.
#include <array>

#include "heat/press.h"

namespace velmora::heat {

namespace {

// In order along the strip, from its outer end to its inner end.
enum Piece {
  outerBar,
  lowerLeftBend,
  bottomBar,
  lowerRightBend,
  rightBar,
  upperRightBend,
  topBar,
  upperLeftBend,
  innerBar,
};

// Consecutive pieces overlap by 15 twips.
constexpr std::array<Rect, 9> pieces{{
    {1200, 840, 735, 3615},
    {1200, 4440, 735, 735},
    {1920, 4440, 4215, 735},
    {6120, 4440, 735, 735},
    {6120, 1560, 735, 2895},
    {6120, 840, 735, 735},
    {3120, 840, 3015, 735},
    {2400, 840, 735, 735},
    {2400, 1560, 735, 2175},
}};

// The heat follows the strip. Pieces in the same straight run as the burner
// warm directly; every other piece warms from the inner corner of the last
// bend before it, once the front has run to the first bend and then along
// every bar in between (the entry of the piece before it on the way). A bend
// square beyond the first bend carries on the run of the bar before it.
// Going inwards, a bend square is covered once the front has crossed the bar
// before it and its own side, plus twice the speed to carry it over the
// square's outer corner (the slow front stops up to half a pixel short of
// it); going outwards, once it has crossed its own diagonal and that bar.
// The bar just round the first bend warms directly when the burner is within
// three quarters of the strip's thickness of that bend.

bool isBar(int piece) { return piece % 2 == 0; }

// How far the heat runs along a bar: the bottom and top bars lie across,
// the right bar upright.
float alongBar(const Press& press, int bar) {
  return bar == rightBar ? press.height(rightBar) : press.width(bar);
}

// A piece as the heat enters it on its way inwards, from the piece before.
void warmInwards(Press& press, int piece, double entry) {
  switch (piece) {
    case bottomBar:
      return press.relay(bottomBar, 0, 0, entry, {press.diagonal(bottomBar)});
    case lowerRightBend:
      return press.relay(lowerRightBend, -press.width(bottomBar), 0, entry,
                         {press.width(bottomBar), press.width(lowerRightBend), press.twiceSpeed});
    case rightBar:
      return press.relay(rightBar, 0, press.height(rightBar), entry, {press.diagonal(rightBar)});
    case upperRightBend:
      return press.relay(upperRightBend, 0, press.height(upperRightBend) + press.height(rightBar),
                         entry,
                         {press.height(rightBar), press.height(upperRightBend), press.twiceSpeed});
    case topBar:
      return press.relay(topBar, press.width(topBar), press.height(topBar), entry,
                         {press.diagonal(topBar)});
    case upperLeftBend:
      return press.relay(upperLeftBend, press.width(upperLeftBend) + press.width(topBar),
                         press.height(upperLeftBend), entry,
                         {press.width(topBar), press.width(upperLeftBend), press.twiceSpeed});
    default:
      return press.relay(innerBar, press.width(innerBar), 0, entry, {press.diagonal(innerBar)});
  }
}

// A piece as the heat enters it on its way outwards, from the piece after.
// Bend 5 is seen from bend 7's corner, across the top bar, and covered by
// the distance from there to its far corner.
void warmOutwards(Press& press, int piece, double entry) {
  switch (piece) {
    case topBar:
      return press.relay(topBar, 0, press.height(topBar), entry, {press.diagonal(topBar)});
    case upperRightBend:
      return press.relay(upperRightBend, -press.width(topBar), press.height(upperRightBend), entry,
                         {straight(press.width(topBar) + press.width(upperRightBend),
                                   press.height(upperRightBend))});
    case rightBar:
      return press.relay(rightBar, 0, 0, entry, {press.diagonal(rightBar)});
    case lowerRightBend:
      return press.relay(lowerRightBend, 0, -press.height(rightBar), entry,
                         {press.diagonal(lowerRightBend), press.height(rightBar)});
    case bottomBar:
      return press.relay(bottomBar, press.width(bottomBar), 0, entry, {press.diagonal(bottomBar)});
    case lowerLeftBend:
      return press.relay(lowerLeftBend, press.width(bottomBar) + press.width(lowerLeftBend), 0,
                         entry, {press.diagonal(lowerLeftBend), press.width(bottomBar)});
    default:
      return press.relay(outerBar, press.width(outerBar), press.height(outerBar), entry,
                         {press.diagonal(outerBar)});
  }
}

// From `piece` on to the end of the strip, `piece` entered after `entry`:
// a bend carries on the run of the bar before it, a bar starts once the
// heat has also crossed the bar before that bend.
void inwardsFrom(Press& press, int piece, double entry) {
  warmInwards(press, piece, entry);
  for (int next = piece + 1; next <= innerBar; ++next) {
    double chained = press.entry(next - 1);
    if (isBar(next)) chained += alongBar(press, next - 2);
    warmInwards(press, next, chained);
  }
}

void outwardsFrom(Press& press, int piece, double entry) {
  warmOutwards(press, piece, entry);
  for (int next = piece - 1; next >= outerBar; --next) {
    double chained = press.entry(next + 1);
    if (isBar(next)) chained += alongBar(press, next + 2);
    warmOutwards(press, next, chained);
  }
}

// A press on the outer bar: round bend 1, then the whole strip inwards.
void pressOnOuterBar(Press& press) {
  const double d = straight(press.width(outerBar) - press.x, press.height(outerBar) - press.y);
  if (singleBound(press.height(outerBar) - 0.75 * press.height(bottomBar)) > press.y) {
    warmInwards(press, bottomBar, d);
  }
  inwardsFrom(press, lowerRightBend, d);
}

// A press on bend 1 heats the outer bar and the bottom bar directly; the
// rest of the strip lies round bend 3.
void pressOnLowerLeftBend(Press& press) {
  inwardsFrom(press, rightBar,
              straight(press.width(bottomBar) + press.width(lowerLeftBend) - press.x, press.y));
}

// A press on the bottom bar: outwards round bend 1, inwards round bend 3.
void pressOnBottomBar(Press& press) {
  const double toBend1 = straight(press.x, press.y);
  const double toBend3 = straight(press.width(bottomBar) - press.x, press.y);
  if (singleBound(0.75 * press.height(bottomBar)) < press.x) warmOutwards(press, outerBar, toBend1);
  if (singleBound(press.width(bottomBar) - 0.75 * press.height(bottomBar)) > press.x) {
    warmInwards(press, rightBar, toBend3);
  }
  inwardsFrom(press, upperRightBend, toBend3);
}

// A press on bend 3 heats the bottom and right runs directly.
void pressOnLowerRightBend(Press& press) {
  warmOutwards(press, outerBar, straight(press.width(bottomBar) + press.x, press.y));
  inwardsFrom(press, topBar, straight(press.x, press.height(rightBar) + press.y));
}

// A press on the right bar: outwards round bend 3, inwards round bend 5.
// The bar's own front runs, wherever it was pressed, for twice the bar's
// length and the bottom bar's: a press here ends on this bar.
void pressOnRightBar(Press& press) {
  const float restDown = press.height(rightBar) - press.y;
  const float nearEnd = singleBound(0.75 * press.width(rightBar));
  const double toBend3 = straight(press.x, restDown);
  const double toBend5 = straight(press.x, press.y);
  outwardsFrom(press, lowerLeftBend, toBend3);
  if (nearEnd < restDown) warmOutwards(press, bottomBar, toBend3);
  press.ownLimit(rightBar, 2 * press.height(rightBar) + press.width(bottomBar));
  if (nearEnd < press.y) warmInwards(press, topBar, toBend5);
  inwardsFrom(press, upperLeftBend, toBend5);
}

// A press on bend 5 heats the right and top runs directly. Towards the inner
// bar the heat cuts across the top bar to its upper left corner.
void pressOnUpperRightBend(Press& press) {
  outwardsFrom(press, bottomBar,
               straight(press.x, press.height(upperRightBend) + press.height(rightBar) - press.y));
  warmInwards(press, innerBar, straight(press.width(topBar) + press.x, press.y));
}

// A press on the top bar: outwards round bend 5, and towards the inner bar
// across to the bar's upper left corner.
void pressOnTopBar(Press& press) {
  const float restAlong = press.width(topBar) - press.x;
  const float nearEnd = singleBound(0.75 * press.height(topBar));
  const double toBend5 = straight(restAlong, press.height(topBar) - press.y);
  outwardsFrom(press, lowerRightBend, toBend5);
  if (nearEnd < restAlong) warmOutwards(press, rightBar, toBend5);
  if (nearEnd < press.x) warmInwards(press, innerBar, straight(press.x, press.y));
}

// A press on bend 7 heats the top and inner runs directly; the rest of the
// strip lies outwards round bend 5.
void pressOnUpperLeftBend(Press& press) {
  outwardsFrom(press, rightBar,
               straight(press.width(upperLeftBend) + press.width(topBar) - press.x,
                        press.height(upperLeftBend) - press.y));
}

// A press on the inner bar: round bend 7, then the whole strip outwards. The
// top bar warms directly only while the burner is within the strip's full
// thickness of it.
void pressOnInnerBar(Press& press) {
  const double d = straight(press.width(innerBar) - press.x, press.y);
  if (press.y > press.width(innerBar)) warmOutwards(press, topBar, d);
  outwardsFrom(press, upperRightBend, d);
}

// A press on the outer half of the strip ends when the inner bar is warm, a
// press on the inner half when the outer bar is; a press on the right bar
// ends with that bar's own long limit.
constexpr std::array<PressRule, 9> onPress{{
    {innerBar, pressOnOuterBar},
    {innerBar, pressOnLowerLeftBend},
    {innerBar, pressOnBottomBar},
    {innerBar, pressOnLowerRightBend},
    {rightBar, pressOnRightBar},
    {outerBar, pressOnUpperRightBend},
    {outerBar, pressOnTopBar},
    {outerBar, pressOnUpperLeftBend},
    {outerBar, pressOnInnerBar},
}};

}  // namespace

// The long strip slows the front more gently than the broad plates.
constexpr Shape spiral{"spiral", pieces, {1, 0.5, true}, onPress};

}  // namespace velmora::heat
