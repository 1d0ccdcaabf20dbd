// A picture box: its canvas (the toolkit's own off-screen drawing) held in
// a DIB section and blitted on paint, its picture on top, its windowless
// children above both, its child windows clipped to it.
#include "forms/win32/container_peer.h"
#include "forms/win32/peers.h"
#include "forms/win32/pictures.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

namespace {

class PictureBoxPeer : public ContainerPeer {
 public:
  PictureBoxPeer(PictureBox& box, HWND parent) : ContainerPeer(box) {
    CreateWindowExW(0, pictureBoxClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0,
                    0, parent, nullptr, GetModuleHandleW(nullptr), this);
    // Later-made windows lie above earlier ones.
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  PictureBox* box() const { return static_cast<PictureBox*>(control_); }

  void pictureChanged() override {
    stale_ = true;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  // Only the pixels the canvas changed are copied and repainted: a heat
  // tick touches the ring the front grew by, not the whole metal.
  void drawingChanged() override {
    for (const PixelArea& area : box()->takeChangedAreas()) {
      if (stale_ || !copyCanvas(area)) {
        // No bitmap to copy into yet: the next paint copies the whole canvas.
        stale_ = true;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
      }
      const RECT changed{area.left, area.top, area.right, area.bottom};
      InvalidateRect(hwnd_, &changed, FALSE);
    }
  }
  void cursorChanged() override {
    // The new cursor shows at once when the mouse is over the box, as
    // when a press turns the flame-and-cross back into the arrow.
    POINT at;
    GetCursorPos(&at);
    if (WindowFromPoint(at) == hwnd_) SetCursor(shownCursor());
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == hwnd_ &&
        LOWORD(lParam) == HTCLIENT) {
      SetCursor(shownCursor());
      return TRUE;
    }
    return ContainerPeer::handle(message, wParam, lParam);
  }

 protected:
  void paintBackground(Surface& buffer) override {
    if (stale_) stale_ = !copyCanvas({0, 0, box()->canvas().width(), box()->canvas().height()});
    BitBlt(buffer.dc(), 0, 0, drawing_.width(), drawing_.height(), drawing_.dc(), 0, 0, SRCCOPY);
  }

 private:
  HCURSOR shownCursor() const {
    if (box()->mousePointer() == MousePointer::Custom) {
      if (HCURSOR custom = cursorOf(box()->mouseIcon(), ratioOf(*box()))) return custom;
    }
    return LoadCursorW(nullptr, IDC_ARROW);
  }

  // An area of the canvas's pixels, 0x00BBGGRR, into the DIB's 0x00RRGGBB,
  // then the picture over them; a new size takes the whole canvas. False
  // when there is no DIB to copy into.
  bool copyCanvas(PixelArea area) {
    const Canvas& canvas = box()->canvas();
    if (drawing_.width() != canvas.width() || drawing_.height() != canvas.height()) {
      drawing_.resize(canvas.width(), canvas.height());
      area = PixelArea{0, 0, canvas.width(), canvas.height()};
    }
    std::uint32_t* bits = drawing_.bits();
    if (!bits) return false;
    const Color* source = canvas.pixels().data();
    for (int y = area.top; y < area.bottom; ++y) {
      const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * canvas.width();
      for (int x = area.left; x < area.right; ++x) {
        const Color c = source[row + x];
        bits[row + x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
      }
    }
    if (!box()->picture().empty()) {
      drawPicture(drawing_, box()->picture(), 0, 0, {area.left, area.top, area.right, area.bottom},
                  canvas.devicePixelRatio());
    }
    return true;
  }

  Surface drawing_;
  bool stale_ = true;
};

}  // namespace

std::unique_ptr<ControlPeer> makePictureBoxPeer(PictureBox& box, HWND parent) {
  return makePeer<PictureBoxPeer>(box, parent);
}

}  // namespace forms::win32
