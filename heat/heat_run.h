// One heating run on any shape: a press on a piece starts it, each piece's
// timer ticks it and is told what to show, a reset makes the metal ready for
// the next press. The window only draws what the run says.
#pragma once

#include <optional>
#include <stdexcept>
#include <vector>

#include "heat/shape.h"

namespace velmora::heat {

// A disc of warm metal: centre in the piece's own coordinates, and radius.
struct Disc {
  float x = 0;
  float y = 0;
  float radius = 0;
};

// What one tick of a piece asks the window to show.
struct HeatTick {
  bool showMarker = false;  // the front is past the marker's half size
  bool stop = false;        // the front passed the piece's limit: its timer stops
  bool showRetry = false;   // ... and this piece finishes the run ("もう一度")
  std::optional<Disc> disc;
};

// The values of one piece for the current run, all rewritten by each press.
struct PieceState {
  double sourceX = 0;  // centre of the piece's discs, in its own coordinates
  double sourceY = 0;
  double entryDistance = 0;  // path the heat runs before it enters the piece
  double maxReach = 0;       // front radius at which the piece is covered
  double frontRadius = 0;    // grown by this piece's timer (a single on several pieces)
  Point pressedPoint;        // where the burner stands, in this piece's coordinates
};

// Largest distance from (x, y), in a piece's own coordinates, to one of its
// corners: once the front has passed it, the whole piece is warm.
double farthestCornerDistance(float x, float y, const Rect& piece);

// The two lengths the heat takes from the window that shows its metal,
// handed in by the program: the front slows down against the window's outer
// width (the same on every screen and theme, so the heat grows identically
// everywhere), and a piece's marker, centred on the pressed point, shows
// once the front is wider than it.
struct Surroundings {
  float outerWidth = 0;
  float markerSize = 0;
};

class HeatRun {
 public:
  HeatRun(const Shape& shape, Surroundings surroundings);

  // A press at (x, y) in piece `piece`'s coordinates starts a run; while a
  // run is on (until reset) presses are ignored and false is returned.
  bool press(int piece, float x, float y, float speedFactor);
  // One 50 ms tick of piece `piece`, at the speed chosen for this tick.
  HeatTick tick(int piece, float speedFactor);
  // "もう一度": the metal is ready for a new press.
  void reset() { running_ = false; }

  bool running() const { return running_; }
  int clickedPiece() const { return clickedPiece_; }
  int pieceCount() const { return static_cast<int>(pieces.size()); }
  const Shape& shape() const { return *shape_; }
  const Surroundings& surroundings() const { return surroundings_; }

  // Every piece's values for the current run, in the shape's piece order.
  std::vector<PieceState> pieces;

 private:
  const Shape* shape_;
  Surroundings surroundings_;
  bool running_ = false;
  int clickedPiece_ = 0;
};

// What one piece did in a whole run; ticks count from 1 after the press.
struct PieceRecord {
  PieceState atPress;
  std::optional<int> fireTick{};       // its marker first shown
  std::optional<int> firstDrawTick{};  // its first disc
  int stopTick = 0;
  std::optional<Disc> lastDisc{};
  bool discShrank = false;  // a disc smaller than the one before it
  bool drewOnStop = false;  // a disc on the tick that stopped its timer
};

struct RunRecord {
  std::vector<PieceRecord> pieces;
  std::vector<int> retryTicks;  // every tick that showed "もう一度"

  std::vector<int> stopTicks() const;
};

// A run from a press already made to its end, as the windows drive it: every
// 50 ms each piece still heating ticks once, in piece order, all at one speed.
// A front that never stops is reported as an error, not waited for.
RunRecord runToEnd(HeatRun& run, float speedFactor);

}  // namespace velmora::heat
