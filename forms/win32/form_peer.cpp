// A form as a top-level window: the fixed single frame with a close box
// and no minimise or maximise button, centred, its icon, its background
// in its own colour.
#include "forms/win32/container_peer.h"
#include "forms/win32/peers.h"
#include "forms/win32/pictures.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

namespace {

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

class FormPeer : public ContainerPeer {
 public:
  explicit FormPeer(Form& form) : ContainerPeer(form) {
    CreateWindowExW(0, formClass, L"", formStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  }

  Form* form() const { return static_cast<Form*>(control_); }

  // The client area is the layout's; the frame is whatever the desktop
  // draws, and never enters the twips the program sees.
  void geometryChanged() override {
    RECT outer{0, 0, pixels(form()->ClientWidth()), pixels(form()->ClientHeight())};
    AdjustWindowRectEx(&outer, formStyle, FALSE, 0);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void visibilityChanged() override {
    if (!form()->Visible()) {
      ShowWindow(hwnd_, SW_HIDE);
      // Each loading of the form places it at the centre again.
      if (!form()->loaded()) placed_ = false;
      return;
    }
    if (!placed_) {
      placeAtCentre();
      placed_ = true;
    }
    // A window coming onto the screen comes on top of the others.
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
  }

  void raised() override {
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
  }

  void captionChanged() override { SetWindowTextW(hwnd_, wide(form()->Caption()).c_str()); }

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
    HBRUSH brush = CreateSolidBrush(form()->style().backColor);
    RECT all{0, 0, buffer.width(), buffer.height()};
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

  bool placed_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) { return makePeer<FormPeer>(form); }

}  // namespace forms::win32
