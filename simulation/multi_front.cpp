#include "simulation/multi_front.h"

#include <cmath>

namespace velmora {

double proc1(float x, float y, const forms::Rect& piece) {
  // The farthest corner of the piece from the point: once the front has
  // passed it, the whole piece is warm. Corners in a fixed order; a later one
  // wins only when strictly farther.
  const double px = x;
  const double py = y;
  const double w = piece.width;
  const double h = piece.height;
  const auto distance = [](double dx, double dy) { return std::sqrt(dx * dx + dy * dy); };
  double farthest = distance(px, py);
  double d = distance(px, py - h);
  if (d > farthest) farthest = d;
  d = distance(px - w, py);
  if (d > farthest) farthest = d;
  d = distance(px - w, py - h);
  if (d > farthest) farthest = d;
  return farthest;
}

void MultiFront::press(std::int16_t index, float x, float y, const std::vector<forms::Rect>& pieces,
                       float speedFactor) {
  arrays.clickedPiece = index;
  const forms::Rect& clicked = pieces.at(static_cast<std::size_t>(index));
  for (int i = 0; i < shape.pieceCount; ++i) {
    const forms::Rect& piece = pieces.at(static_cast<std::size_t>(i));
    // The pressed point in this piece's own coordinates, summed in single
    // precision like the control positions it comes from.
    const float sx = clicked.left + x - piece.left;
    const float sy = clicked.top + y - piece.top;
    arrays.sourceX[i] = sx;
    arrays.sourceY[i] = sy;
    arrays.entryDistance[i] = 0;
    arrays.maxReach[i] = proc1(sx, sy, piece);
    // Every piece's burner icon sits over the pressed point, so a press near
    // a joint shows the icon across both pieces.
    marker[i] = forms::Point{static_cast<float>(arrays.sourceX[i] - 240),
                             static_cast<float>(arrays.sourceY[i] - 240)};
  }
  shape.rules(arrays, ShapeRulesInput{index, x, y, pieces, speedFactor});
  for (int i = 0; i < shape.pieceCount; ++i) arrays.frontRadius[i] = 0;
}

FrontTick MultiFront::tick(std::int16_t i, float windowWidth, float speedFactor) {
  // The front slows as it spreads; computed at the widest precision at hand
  // and kept as a single, the radius each piece's timer carries on from.
  const long double r = arrays.frontRadius[i];
  const long double speed = speedFactor;
  const long double width = windowWidth;
  const long double k = shape.slowdownFactor;
  const long double grown = shape.slowdown == Slowdown::TimesK ? r + speed * (1 - k * r / width)
                                                               : r + speed * (1 - r / 2 / width);
  arrays.frontRadius[i] = static_cast<float>(grown);
  const long double radius = arrays.frontRadius[i];

  FrontTick result;
  result.showMarker = radius > 240;
  // Past the piece's limit by a margin of twice the speed, the piece is
  // surely covered: its timer stops, and the finishing piece ends the run.
  if (radius > arrays.maxReach[i] + 2 * speed) {
    result.stop = true;
    result.showRetry = i == shape.finishingPiece[arrays.clickedPiece];
    return result;
  }
  // A piece reached around a corner stays cold until the front has run the
  // path to its entry point; then its disc grows from there.
  const long double beyondEntry = radius - arrays.entryDistance[i];
  if (beyondEntry > 0) {
    result.disc = Disc{static_cast<float>(arrays.sourceX[i]), static_cast<float>(arrays.sourceY[i]),
                       static_cast<float>(beyondEntry)};
  }
  return result;
}

}  // namespace velmora
