// A plain pixel rasteriser, so a heat disc has the same pixels on every
// backend and tests can read them back.
#include "forms/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace forms {

namespace {

int devicePixels(float twips, double ratio) {
  return std::max(0, static_cast<int>(std::lround(twips / twipsPerPixel * ratio)));
}

// Changed pixels closer than this share a run, and a band of this many
// rows shares its areas: fewer, slightly larger rectangles to repaint.
constexpr int runGap = 8;
constexpr int bandRows = 8;
constexpr std::size_t maxChangedAreas = 256;

// The pixels of a row, between left and right, whose centres lie within a
// circle (radius squared r2) around cx, dy above or below the row: found
// from the square root, then settled with the very test each pixel would
// get, so rounding never moves an edge. False when there are none.
bool rowWithin(double cx, double dy, double r2, int left, int right, int& first, int& last) {
  const double rest = r2 - dy * dy;
  if (rest < 0) return false;
  const auto within = [&](int px) {
    const double dx = px + 0.5 - cx;
    return dx * dx + dy * dy <= r2;
  };
  const double half = std::sqrt(rest);
  first = std::max(left, static_cast<int>(std::floor(cx - half - 0.5)));
  while (first <= right && !within(first)) ++first;
  while (first > left && within(first - 1)) --first;
  last = std::min(right, static_cast<int>(std::ceil(cx + half - 0.5)));
  while (last >= first && !within(last)) --last;
  while (last < right && within(last + 1)) ++last;
  return first <= last;
}

}  // namespace

void PixelArea::add(const PixelArea& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

void Canvas::resize(float widthTwips, float heightTwips, double devicePixelRatio) {
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  resize(devicePixels(widthTwips, ratio), devicePixels(heightTwips, ratio), ratio, Point{});
}

bool Canvas::resize(int width, int height, double devicePixelRatio, Point offset) {
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  width = std::max(0, width);
  height = std::max(0, height);
  const bool sameDensity = ratio == ratio_ && offset.x == offset_.x && offset.y == offset_.y;
  if (width == width_ && height == height_ && sameDensity) return false;
  std::vector<Color> pixels(static_cast<std::size_t>(width) * height, background_);
  if (sameDensity) {
    // What was drawn stays where it was; new area shows the background.
    for (int y = 0; y < std::min(height, height_); ++y) {
      std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_,
                  std::min(width, width_), pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
  }
  width_ = width;
  height_ = height;
  ratio_ = ratio;
  offset_ = offset;
  pixels_ = std::move(pixels);
  changedEverywhere();
  if (!sameDensity) {
    for (const Disc& disc : discs_) draw(disc);
  }
  return true;
}

void Canvas::fill(Color color) {
  background_ = color;
  std::fill(pixels_.begin(), pixels_.end(), color);
  discs_.clear();
  changedEverywhere();
}

void Canvas::circle(float x, float y, float radius, Color rim, Color inside) {
  if (!(radius > 0)) return;
  const Disc disc{x, y, radius, rim, inside};
  // Every pixel of an earlier disc lying wholly inside this one is painted
  // over, whatever its colours: it need not be remembered. (A hair of
  // margin keeps rounding from ever dropping a disc that still shows.)
  std::erase_if(discs_, [&](const Disc& old) {
    return std::hypot(double(old.x) - x, double(old.y) - y) + old.radius <= radius - 0.01;
  });
  discs_.push_back(disc);
  draw(disc);
}

void Canvas::draw(const Disc& disc) {
  if (width_ == 0 || height_ == 0) return;
  const Color rim = disc.rim;
  const Color inside = disc.inside;
  const double cx = disc.x / twipsPerPixel * ratio_ + offset_.x;
  const double cy = disc.y / twipsPerPixel * ratio_ + offset_.y;
  const double r = disc.radius / twipsPerPixel * ratio_;
  // The rim is one screen pixel wide: ratio_ device pixels.
  const double innerR = r - ratio_;
  const double outer2 = r * r;
  const double inner2 = innerR > 0 ? innerR * innerR : -1.0;
  const int left = std::max(0, static_cast<int>(std::floor(cx - r)));
  const int right = std::min(width_ - 1, static_cast<int>(std::ceil(cx + r)));
  const int top = std::max(0, static_cast<int>(std::floor(cy - r)));
  const int bottom = std::min(height_ - 1, static_cast<int>(std::ceil(cy + r)));
  for (int py = top; py <= bottom; ++py) {
    const double dy = py + 0.5 - cy;
    int first, last;
    if (!rowWithin(cx, dy, outer2, left, right, first, last)) continue;
    Color* row = pixels_.data() + static_cast<std::ptrdiff_t>(py) * width_;
    // Pixels that already have their colour are left alone, so only the
    // runs that really change are noted: on a growing front, the new ring
    // and the old rim it covers.
    int runFirst = -1, runLast = -1;
    const auto paint = [&](int from, int to, Color colour) {
      for (int px = from; px < to; ++px) {
        if (row[px] == colour) continue;
        row[px] = colour;
        if (runFirst >= 0 && px <= runLast + runGap) {
          runLast = px;
          continue;
        }
        if (runFirst >= 0) noteChange(py, runFirst, runLast + 1);
        runFirst = runLast = px;
      }
    };
    int innerFirst, innerLast;
    if (rowWithin(cx, dy, inner2, first, last, innerFirst, innerLast)) {
      paint(first, innerFirst, rim);
      paint(innerFirst, innerLast + 1, inside);
      paint(innerLast + 1, last + 1, rim);
    } else {
      paint(first, last + 1, rim);
    }
    if (runFirst >= 0) noteChange(py, runFirst, runLast + 1);
  }
}

// Runs of a few rows' band that lie close together share one area; past a
// few hundred areas (no backend is taking them) they become one.
void Canvas::noteChange(int row, int first, int last) {
  const int bandTop = row - row % bandRows;
  for (auto area = changed_.rbegin(); area != changed_.rend() && area->bottom > bandTop; ++area) {
    if (area->top >= bandTop && first <= area->right + runGap && last >= area->left - runGap) {
      area->add(PixelArea{first, row, last, row + 1});
      return;
    }
  }
  changed_.push_back(PixelArea{first, row, last, row + 1});
  if (changed_.size() > maxChangedAreas) {
    PixelArea all;
    for (const PixelArea& area : changed_) all.add(area);
    changed_.assign(1, all);
  }
}

std::vector<PixelArea> Canvas::takeChangedAreas() { return std::exchange(changed_, {}); }

Color Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

Color Canvas::pixelAtTwips(float x, float y) const {
  const int px = static_cast<int>(std::floor(x / twipsPerPixel * ratio_ + offset_.x));
  const int py = static_cast<int>(std::floor(y / twipsPerPixel * ratio_ + offset_.y));
  return pixel(px, py);
}

}  // namespace forms
