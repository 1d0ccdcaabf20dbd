// Images, labels, lines and filled rectangles: drawn by their container
// beneath its child windows, transparent to the mouse (a press on them
// reaches the container, whose form finds the control there). Their peer
// has nothing of its own to show: every change asks the container to draw
// again.
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
  const RECT r = pixelRect(image.rect());
  drawPicture(buffer, image.picture(), r.left, r.top, r);
}

// The caption in its font and colour, transparent, wrapped within the
// label's width like a classic label.
void drawLabel(Surface& buffer, const Label& label) {
  HDC dc = buffer.dc();
  RECT r = pixelRect(label.rect());
  HGDIOBJ previous = SelectObject(dc, fontOf(label.font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label.ForeColor());
  const std::wstring text = wide(label.Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
}

// One pixel wide, both end pixels drawn.
void drawLine(Surface& buffer, const Line& line) {
  HDC dc = buffer.dc();
  HPEN pen = CreatePen(PS_SOLID, 1, line.BorderColor());
  HGDIOBJ previous = SelectObject(dc, pen);
  const int x1 = pixels(line.from().x);
  const int y1 = pixels(line.from().y);
  const int x2 = pixels(line.to().x);
  const int y2 = pixels(line.to().y);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SetPixel(dc, x2, y2, line.BorderColor());
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void drawFilledRect(Surface& buffer, const FilledRect& shape) {
  const RECT r = pixelRect(shape.rect());
  HBRUSH brush = CreateSolidBrush(shape.FillColor());
  FillRect(buffer.dc(), &r, brush);
  DeleteObject(brush);
  if (shape.outlined()) FrameRect(buffer.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
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
