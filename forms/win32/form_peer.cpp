// A form as a top-level window: the fixed single frame with a close box
// and no minimise or maximise button, centred, its icon, its background
// in its own colour.
#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "forms/win32/accessible.h"
#include "forms/win32/container_peer.h"
#include "forms/win32/peers.h"
#include "forms/win32/pictures.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace {

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Full screen: no frame at all.
constexpr DWORD fullScreenStyle = WS_POPUP | WS_CLIPCHILDREN;
// The system menu's full-screen item (a command below the system's own).
constexpr UINT fullScreenItem = 0x0010;

class FormPeer : public ContainerPeer {
 public:
  explicit FormPeer(Form& form) : ContainerPeer(form) {
    CreateWindowExW(0, formClass, L"", formStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;
    form.dispatchPixelRatio(dpiOf(hwnd_) / 96.0);
    // Alt+Space finds full screen too, for a teacher who looks there.
    if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(menu, MF_STRING, fullScreenItem, wide(fullScreenCommand).c_str());
    }
  }

  Form* form() const { return static_cast<Form*>(control_); }

  void announced() override { announceOn(hwnd_, form()->announcement()); }

  // The client area is the layout's; the frame is whatever the desktop
  // draws, and never enters the twips the program sees.
  void geometryChanged() override {
    if (fullScreenShown_) return;  // the screen's size, whatever the layout
    const double ratio = form()->pixelRatio();
    // The frame as this window has it now, at its screen's scale.
    RECT outer;
    RECT client;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    const int frameWidth = outer.right - outer.left - client.right;
    const int frameHeight = outer.bottom - outer.top - client.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, pixels(form()->clientWidth(), ratio) + frameWidth,
                 pixels(form()->clientHeight(), ratio) + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void visibilityChanged() override {
    if (!form()->visible()) {
      ShowWindow(hwnd_, SW_HIDE);
      // Each loading of the form places it at the centre again.
      if (!form()->loaded()) placed_ = false;
      return;
    }
    if (!placed_ && !fullScreen()) {
      placeAtCentre();
      placed_ = true;
    }
    if (fullScreen()) enterFullScreen();
    // A window coming onto the screen comes on top of the others.
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
  }

  // Full screen: no frame, the whole screen, the client area enlarged to
  // fill it and centred on the dark surround; left, the window as it was.
  void screenModeChanged() override {
    if (!form()->visible()) return;
    if (fullScreen()) {
      enterFullScreen();
      return;
    }
    if (!fullScreenShown_) return;
    fullScreenShown_ = false;
    SetWindowLongPtrW(hwnd_, GWL_STYLE, formStyle | WS_VISIBLE);
    // The frame comes back before its size is measured.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    form()->dispatchPlacement(dpiOf(hwnd_) / 96.0, 0, 0);
    showAllControls();
    geometryChanged();
    placeAtCentre();
    placed_ = true;
  }

  void raised() override {
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
  }

  // The focus mark or the aiming cross moved: what was and what is, on
  // the form and on every child window over it.
  void overlayChanged() override {
    const PixelArea a = form()->overlayChangedArea();
    const int x = form()->clientLeft();
    const int y = form()->clientTop();
    const RECT changed{x + a.left, y + a.top, x + a.right, y + a.bottom};
    RedrawWindow(hwnd_, &changed, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }

  void captionChanged() override { SetWindowTextW(hwnd_, wide(form()->caption()).c_str()); }

  void coloursChanged() override { InvalidateRect(hwnd_, nullptr, FALSE); }

  void pictureChanged() override {
    if (HICON icon = iconOf(form()->style().icon)) {
      SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CLOSE:
        // The frame's close box: the form decides what closing means.
        form()->dispatchCloseBox();
        return 0;
      case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == fullScreenItem) {
          form()->dispatchKey(Key::FullScreen);
          return 0;
        }
        return byDefault(message, wParam, lParam);
      case WM_DPICHANGED:
        // Dragged to a screen of another scale: the same twips in larger
        // or smaller pixels, every control laid out and drawn again.
        moveToScale(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
      case WM_ACTIVATE:
        // Coming back to the front, the keyboard focus returns to the
        // control the toolkit has it on, not to the bare window.
        if (LOWORD(wParam) != WA_INACTIVE) {
          if (HWND focused = windowOf(form()->focused())) {
            SetFocus(focused);
            return 0;
          }
        }
        return byDefault(message, wParam, lParam);
      default:
        return ContainerPeer::handle(message, wParam, lParam);
    }
  }

 protected:
  void paintBackground(Surface& buffer) override {
    RECT all{0, 0, buffer.width(), buffer.height()};
    if (fullScreenShown_) {
      HBRUSH surround = CreateSolidBrush(fullScreenSurround);
      FillRect(buffer.dc(), &all, surround);
      DeleteObject(surround);
      const PixelArea client = form()->deviceRect();
      all = RECT{form()->clientLeft(), form()->clientTop(), form()->clientLeft() + client.right,
                 form()->clientTop() + client.bottom};
    }
    HBRUSH brush = CreateSolidBrush(form()->style().backColor);
    FillRect(buffer.dc(), &all, brush);
    DeleteObject(brush);
  }

 private:
  void placeAtCentre() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork;
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void enterFullScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT screen = monitor.rcMonitor;
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (!fullScreenShown_) {
      fullScreenShown_ = true;
      SetWindowLongPtrW(hwnd_, GWL_STYLE,
                        fullScreenStyle | (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE));
    }
    SetWindowPos(hwnd_, HWND_TOP, screen.left, screen.top, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE);
    placeOnScreen(*form(), width, height);
    showAllControls();
  }

  // Every control laid out and drawn again at a new ratio and origin.
  void showAllControls() {
    for (Control* control : form()->controls()) {
      if (ControlPeer* peer = control->peer()) showAll(*peer);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void moveToScale(UINT dpi, const RECT& suggested) {
    if (fullScreenShown_) {
      enterFullScreen();
      return;
    }
    form()->dispatchPixelRatio(dpi / 96.0);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    geometryChanged();
    showAllControls();
  }

  bool placed_ = false;
  bool fullScreenShown_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) { return makePeer<FormPeer>(form); }

}  // namespace forms::win32
