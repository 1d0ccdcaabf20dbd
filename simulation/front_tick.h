// What one tick of a heat front asks the window to show.
#pragma once

#include <optional>

namespace velmora {

struct Disc {
  float x = 0;  // centre, twips in the piece's own coordinates
  float y = 0;
  float radius = 0;
};

struct FrontTick {
  bool showMarker = false;  // the front is past 240 twips: show `fire`
  bool stop = false;        // the front passed its limit: the timer stops
  bool showRetry = false;   // ... and that ends the run ("もう一度")
  std::optional<Disc> disc; // the disc to draw this tick, if any
};

}  // namespace velmora
