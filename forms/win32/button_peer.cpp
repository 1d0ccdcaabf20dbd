#include "forms/win32/button_peer.h"

#include <cmath>

#include "forms/win32/accessible.h"
#include "forms/win32/fonts.h"
#include "forms/win32/peers.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

namespace {

WNDPROC& systemButtonProcedure() {
  static WNDPROC procedure = nullptr;
  return procedure;
}

LRESULT CALLBACK buttonProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) countWindow(-1);
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = answerGetObject(hwnd, wParam, lParam)) return answer;
  }
  if (WindowPeer* peer = WindowPeer::of(hwnd)) return peer->handle(message, wParam, lParam);
  return CallWindowProcW(systemButtonProcedure(), hwnd, message, wParam, lParam);
}

class CommandButtonPeer : public ButtonPeer {
 public:
  CommandButtonPeer(CommandButton& button, HWND parent)
      : ButtonPeer(button, parent, BS_PUSHBUTTON) {}
  void captionChanged() override {
    SetWindowTextW(hwnd_, wide(static_cast<CommandButton*>(control_)->caption()).c_str());
  }
};

class OptionButtonPeer : public ButtonPeer {
 public:
  // Not an automatic radio button: it never checks itself or clears its
  // neighbours; the check mark follows the toolkit's state.
  OptionButtonPeer(OptionButton& option, HWND parent)
      : ButtonPeer(option, parent, BS_RADIOBUTTON) {}
  ~OptionButtonPeer() override {
    if (brush_) DeleteObject(brush_);
  }

  OptionButton* option() const { return static_cast<OptionButton*>(control_); }

  void captionChanged() override { SetWindowTextW(hwnd_, wide(option()->caption()).c_str()); }
  void coloursChanged() override {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(option()->backColor());
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  void valueChanged() override {
    SendMessageW(hwnd_, BM_SETCHECK, option()->value() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  // Its own background fills its whole rectangle; its text in system
  // colour 8.
  HBRUSH colours(HDC dc) override {
    SetBkColor(dc, option()->backColor());
    SetTextColor(dc, systemColor(8));
    return brush_;
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (!enlarged()) return ButtonPeer::handle(message, wParam, lParam);
    if (message == WM_PAINT) {
      paintEnlarged();
      return 0;
    }
    const LRESULT result = ButtonPeer::handle(message, wParam, lParam);
    // The system paints a button's new state straight away, at its own
    // size: the option paints itself over it.
    switch (message) {
      case BM_SETCHECK: case BM_SETSTATE: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE:
      case WM_SETTEXT: case WM_UPDATEUISTATE: case WM_LBUTTONDOWN: case WM_LBUTTONUP:
      case WM_MOUSEMOVE: case WM_CAPTURECHANGED: case WM_KEYDOWN: case WM_KEYUP:
        InvalidateRect(hwnd_, nullptr, FALSE);
        break;
      default:
        break;
    }
    return result;
  }

 private:
  // Shown larger than its screen's scale (full screen): the system would
  // draw the mark at the screen's size beside a caption grown with the
  // window.
  bool enlarged() const { return ratioOf(*control_) > dpiOf(hwnd_) / 96.0 + 1e-6; }

  // The option drawn by itself, as the system lays it out at 100 % (a
  // mark of 13 pixels, the caption 4 pixels after it) grown to the form's
  // ratio; the mark in the classic look, which the system draws cleanly at
  // any size.
  void paintEnlarged() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT whole;
    GetClientRect(hwnd_, &whole);
    FillRect(dc, &whole, brush_);
    const double ratio = ratioOf(*control_);
    const int mark = static_cast<int>(std::lround(13 * ratio));
    const int markTop = (whole.bottom - mark) / 2;
    RECT markRect{0, markTop, mark, markTop + mark};
    DrawFrameControl(dc, &markRect, DFC_BUTTON,
                     DFCS_BUTTONRADIO | (option()->value() ? DFCS_CHECKED : 0));
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd_) ? systemColor(8) : GetSysColor(COLOR_GRAYTEXT));
    const std::wstring caption = wide(option()->caption());
    RECT text{mark + static_cast<int>(std::lround(4 * ratio)), 0, whole.right, whole.bottom};
    constexpr UINT layout = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    DrawTextW(dc, caption.c_str(), -1, &text, layout);
    // The system's dotted focus rectangle round the caption, where the
    // system would show one.
    const bool hideFocus = SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
    if (GetFocus() == hwnd_ && !hideFocus) {
      RECT around = text;
      DrawTextW(dc, caption.c_str(), -1, &around, layout | DT_CALCRECT);
      const int height = around.bottom - around.top;
      around.top = (whole.bottom - height) / 2 - 1;
      around.bottom = around.top + height + 2;
      around.left -= 1;
      around.right += 1;
      DrawFocusRect(dc, &around);
    }
    SelectObject(dc, previous);
    if (!control_->form().overlay().empty()) paintOverlay(dc, *control_);
    EndPaint(hwnd_, &paint);
  }

  HBRUSH brush_ = nullptr;
};

}  // namespace

ButtonPeer::ButtonPeer(Control& control, HWND parent, DWORD style) : WindowPeer(control) {
  HWND hwnd = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return;
  countWindow(+1);
  attach(hwnd);
  const auto previous =
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&buttonProcedure));
  systemButtonProcedure() = reinterpret_cast<WNDPROC>(previous);
  // Later-made windows lie above earlier ones.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ButtonPeer::fontChanged() {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultControlFont(ratioOf(*control_))),
               TRUE);
}

LRESULT ButtonPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (routeKey(control_, message, wParam, lParam)) return 0;
  if (message == WM_SETFOCUS) focusArrived(*control_);
  if (message == WM_PAINT && control_ && !control_->form().overlay().empty()) {
    // The system paints the button; the focus mark goes on top.
    const LRESULT result = byDefault(message, wParam, lParam);
    if (HDC dc = GetDC(hwnd_)) {
      paintOverlay(dc, *control_);
      ReleaseDC(hwnd_, dc);
    }
    return result;
  }
  return byDefault(message, wParam, lParam);
}

LRESULT ButtonPeer::byDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(systemButtonProcedure(), hwnd_, message, wParam, lParam);
}

std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button, HWND parent) {
  return makePeer<CommandButtonPeer>(button, parent);
}

std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option, HWND parent) {
  return makePeer<OptionButtonPeer>(option, parent);
}

}  // namespace forms::win32
