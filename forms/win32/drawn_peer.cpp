// Images, labels, lines and filled rectangles: drawn by their container
// beneath its child windows, transparent to the mouse (a press on them
// reaches the container, whose form finds the control there). Their peer
// has nothing of its own to show: every change asks the container to draw
// again.
#include <algorithm>

#include "forms/win32/container_peer.h"
#include "forms/win32/fonts.h"
#include "forms/win32/peers.h"
#include "forms/win32/pictures.h"

namespace forms::win32 {

namespace {

class DrawnPeer : public ControlPeer {
 public:
  explicit DrawnPeer(HWND container) : container_(container) { redraw(); }
  ~DrawnPeer() override { redraw(); }

  void geometryChanged() override { redraw(); }
  void visibilityChanged() override { redraw(); }
  void captionChanged() override { redraw(); }
  void coloursChanged() override { redraw(); }
  void fontChanged() override { redraw(); }
  void pictureChanged() override { redraw(); }

 private:
  void redraw() { InvalidateRect(container_, nullptr, FALSE); }
  HWND container_;
};

void drawImage(Surface& buffer, const Image& image) {
  const double ratio = ratioOf(image);
  const RECT r = deviceRectOf(image);
  drawPicture(buffer, image.picture(), r.left, r.top, r, ratio);
}

// The caption in its font and colour, transparent, wrapped within the
// label's width like a classic label.
void drawLabel(Surface& buffer, const Label& label) {
  HDC dc = buffer.dc();
  const double ratio = ratioOf(label);
  RECT r = deviceRectOf(label);
  HGDIOBJ previous = SelectObject(dc, fontOf(label.font(), ratio));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label.foreColor());
  const std::wstring text = wide(label.caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
}

// One screen pixel wide, both end pixels drawn: a rectangle of device
// pixels, as the layouts' lines run straight across or down.
void drawLine(Surface& buffer, const Line& line) {
  const double ratio = ratioOf(line);
  const int width = std::max(1, pixels(twipsPerPixel, ratio));
  // On the form, from where its client area lies.
  const Form& form = line.form();
  const int dx = line.parent() == &form ? form.clientLeft() : 0;
  const int dy = line.parent() == &form ? form.clientTop() : 0;
  const auto px = [&](float x) { return pixels(x, ratio) + dx; };
  const auto py = [&](float y) { return pixels(y, ratio) + dy; };
  const int x1 = px(std::min(line.from().x, line.to().x));
  const int y1 = py(std::min(line.from().y, line.to().y));
  const int x2 = px(std::max(line.from().x, line.to().x));
  const int y2 = py(std::max(line.from().y, line.to().y));
  if (x1 != x2 && y1 != y2) {
    // A slanting line: the pen's own steps.
    HDC dc = buffer.dc();
    HPEN pen = CreatePen(PS_SOLID, width, line.borderColor());
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, px(line.from().x), py(line.from().y), nullptr);
    LineTo(dc, px(line.to().x), py(line.to().y));
    SelectObject(dc, previous);
    DeleteObject(pen);
    return;
  }
  const RECT r{x1, y1, x2 + width, y2 + width};
  HBRUSH brush = CreateSolidBrush(line.borderColor());
  FillRect(buffer.dc(), &r, brush);
  DeleteObject(brush);
}

void drawFilledRect(Surface& buffer, const FilledRect& shape) {
  const double ratio = ratioOf(shape);
  RECT r = deviceRectOf(shape);
  HBRUSH brush = CreateSolidBrush(shape.fillColor());
  FillRect(buffer.dc(), &r, brush);
  DeleteObject(brush);
  if (!shape.outlined()) return;
  // The outline one screen pixel thick.
  for (int i = 0; i < std::max(1, pixels(twipsPerPixel, ratio)); ++i) {
    FrameRect(buffer.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
}

}  // namespace

void drawWindowless(Surface& buffer, const Control& control) {
  switch (control.kind()) {
    case ControlKind::Image:
      drawImage(buffer, static_cast<const Image&>(control));
      return;
    case ControlKind::Label:
      drawLabel(buffer, static_cast<const Label&>(control));
      return;
    case ControlKind::Line:
      drawLine(buffer, static_cast<const Line&>(control));
      return;
    case ControlKind::FilledRect:
      drawFilledRect(buffer, static_cast<const FilledRect&>(control));
      return;
    default:
      return;
  }
}

std::unique_ptr<ControlPeer> makeDrawnPeer(Control& control) {
  HWND container = windowOf(control.parent());
  if (!container) return nullptr;
  return std::make_unique<DrawnPeer>(container);
}

}  // namespace forms::win32
