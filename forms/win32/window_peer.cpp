#include "forms/win32/window_peer.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "forms/win32/accessible.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

int pixels(float twips, double ratio) {
  return static_cast<int>(std::lround(twips / twipsPerPixel * ratio));
}

RECT deviceRectOf(const Control& control) {
  const PixelArea d = control.deviceRect();
  const Form& form = control.form();
  const bool onClient = control.parent() == &form;
  const int left = onClient ? form.clientLeft() : 0;
  const int top = onClient ? form.clientTop() : 0;
  return {d.left + left, d.top + top, d.right + left, d.bottom + top};
}

// GetDpiForWindow exists from Windows 10 on; before it, the system's one
// scale.
UINT dpiOf(HWND hwnd) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto get = reinterpret_cast<GetDpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (get) {
    if (const UINT dpi = get(hwnd)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

std::wstring wide(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
  return result;
}

HWND windowOf(const Control* control) {
  auto* peer = control ? dynamic_cast<WindowPeer*>(control->peer()) : nullptr;
  return peer ? peer->hwnd() : nullptr;
}

WindowPeer* WindowPeer::of(HWND hwnd) {
  auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return peer && peer->control_ ? peer : nullptr;
}

void WindowPeer::attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WindowPeer::~WindowPeer() {
  if (!hwnd_) return;
  // The control is going away, possibly from inside one of this window's
  // own messages: cut the link, take it off the screen, and destroy it
  // once nothing of it is on the stack any more.
  control_ = nullptr;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  // A hidden window holding the mouse would keep every click from the
  // windows still on the screen.
  if (GetCapture() == hwnd_) ReleaseCapture();
  ShowWindow(hwnd_, SW_HIDE);
  destroyLater(hwnd_);
}

void WindowPeer::geometryChanged() {
  const RECT r = deviceRectOf(*control_);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::visibilityChanged() {
  ShowWindow(hwnd_, control_->visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::focusChanged() {
  if (control_->form().focused() == control_ && GetFocus() != hwnd_) SetFocus(hwnd_);
}

LRESULT WindowPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  return byDefault(message, wParam, lParam);
}

namespace {

std::int16_t buttonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return leftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return rightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return middleButton;
    default:
      return 0;
  }
}

std::int16_t shiftOf(WPARAM wParam) {
  return shiftCode(wParam & MK_SHIFT, wParam & MK_CONTROL, GetKeyState(VK_MENU) < 0);
}

}  // namespace

void WindowPeer::mouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
  const std::int16_t button = buttonOf(message);
  const bool press =
      message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  // Held while a button is down, so the release comes here even off the
  // window, and the core decides whether it was a click.
  if (press) {
    SetCapture(hwnd_);
  } else if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    ReleaseCapture();
  }
  // Device pixels of the form's window.
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(hwnd_, GetAncestor(hwnd_, GA_ROOT), &at, 1);
  mouseButtonAt(control_->form(), press, button, shiftOf(wParam), at.x, at.y);
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    static_cast<WindowPeer*>(create->lpCreateParams)->attach(hwnd);
    countWindow(+1);
  }
  if (message == WM_NCDESTROY) countWindow(-1);
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = answerGetObject(hwnd, wParam, lParam)) return answer;
  }
  if (WindowPeer* peer = WindowPeer::of(hwnd)) return peer->handle(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

namespace {

// The virtual key of each key the toolkit handles.
struct KeyPair {
  WPARAM virtualKey;
  Key key;
};

constexpr KeyPair keys[] = {
    {VK_TAB, Key::Tab},      {VK_SPACE, Key::Space},    {VK_LEFT, Key::Left},
    {VK_RIGHT, Key::Right},  {VK_UP, Key::Up},          {VK_DOWN, Key::Down},
    {VK_RETURN, Key::Enter}, {VK_F11, Key::FullScreen}, {VK_ESCAPE, Key::Escape},
};

}  // namespace

UINT virtualKeyOf(Key key) {
  if (key == Key::BackTab) key = Key::Tab;
  for (const KeyPair& pair : keys) {
    if (pair.key == key) return static_cast<UINT>(pair.virtualKey);
  }
  return 0;
}

bool routeKey(Control* control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_KEYDOWN && message != WM_KEYUP && message != WM_CHAR) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (message == WM_CHAR) return wParam == L' ' || wParam == L'\t' || wParam == L'\r';
  const auto known = std::find_if(std::begin(keys), std::end(keys),
                                  [&](const KeyPair& pair) { return pair.virtualKey == wParam; });
  if (known == std::end(keys)) return false;
  // Bit 30: the key was already down, an auto-repeat.
  const KeyPhase phase = message == WM_KEYUP          ? KeyPhase::Release
                         : (lParam & (1L << 30)) != 0 ? KeyPhase::Repeat
                                                      : KeyPhase::Press;
  keyArrived(control, known->key, phase, GetKeyState(VK_SHIFT) < 0);
  return true;
}

void paintOverlay(HDC dc, const Control& control) {
  const Form& form = control.form();
  if (form.overlay().empty()) return;
  // The runs are in the client area's device pixels; a control's window is
  // placed by the same rounding, and in full screen the form's client area
  // lies centred in its window.
  const PixelArea at = control.kind() == ControlKind::Form
                           ? PixelArea{-form.clientLeft(), -form.clientTop(), 0, 0}
                           : devicePixelsOf(control);
  for (const OverlayRun& run : form.overlay()) {
    const RECT r{run.area.left - at.left, run.area.top - at.top, run.area.right - at.left,
                 run.area.bottom - at.top};
    HBRUSH brush = CreateSolidBrush(run.colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
}

}  // namespace forms::win32
