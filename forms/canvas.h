// The off-screen drawing surface of a picture box, at the device's pixel
// density. Plain C++: the same rasteriser serves every backend, so a circle
// has the same pixels on Qt and on Win32 and tests can read them back. It
// remembers what was drawn since the last fill, so a window moved to a
// screen of another scale draws its heat again at the new density.
#pragma once

#include <vector>

#include "forms/types.h"

namespace forms {

// A rectangle of device pixels, right and bottom exclusive.
struct PixelArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  void add(const PixelArea& other);
};

class Canvas {
 public:
  // Size in twips and device pixels per screen pixel (2 on a 200 % screen).
  // At the same density what was drawn stays where it was; at another one
  // it is drawn again from what was drawn since the last fill.
  void resize(float widthTwips, float heightTwips, double devicePixelRatio);
  // The same with the size in device pixels already snapped by its owner,
  // and `offset`: where the canvas's twip origin lies in its device pixels
  // (the fraction of a pixel its snapped edges moved it by), so a disc
  // lands where the pointer was whichever way the edges were rounded.
  // Returns whether anything changed.
  bool resize(int width, int height, double devicePixelRatio, Point offset);
  void fill(Color color);
  // A solid disc in `inside` with a rim one screen pixel wide in `rim`,
  // not anti-aliased, clipped to the canvas.
  void circle(float x, float y, float radius, Color rim, Color inside);

  int width() const { return width_; }    // device pixels
  int height() const { return height_; }  // device pixels
  double devicePixelRatio() const { return ratio_; }
  Color pixel(int x, int y) const;  // device pixels (0 outside)
  Color pixelAtTwips(float x, float y) const;
  const std::vector<Color>& pixels() const { return pixels_; }
  // The areas whose pixels changed since the last call, so a backend
  // copies and repaints only those: a growing heat front changes a thin
  // ring, which a few dozen flat rectangles cover, not its whole disc.
  std::vector<PixelArea> takeChangedAreas();

 private:
  struct Disc {
    float x, y, radius;
    Color rim, inside;
  };
  void draw(const Disc& disc);
  void changedEverywhere() { changed_.assign(1, PixelArea{0, 0, width_, height_}); }
  void noteChange(int row, int first, int last);

  int width_ = 0;
  int height_ = 0;
  double ratio_ = 1.0;
  Point offset_;
  Color background_ = rgb(255, 255, 255);  // last fill: the colour of new area
  std::vector<Color> pixels_;
  // Drawn since the last fill, oldest first; a disc wholly covered by a
  // later one is dropped, so a growing heat front keeps one entry.
  std::vector<Disc> discs_;
  std::vector<PixelArea> changed_;
};

}  // namespace forms
