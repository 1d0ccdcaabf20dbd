// The conformance suite's probe over Win32: the form's client area read
// back in-process through its window DC, and input delivered as the
// window messages Windows itself would post to the window under a point.
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

#include "forms/backend_support.h"
#include "forms/probe.h"
#include "forms/win32/fonts.h"
#include "forms/win32/surface.h"
#include "forms/win32/win32_backend.h"
#include "forms/win32/window_peer.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace forms::testing {

namespace {

using win32::windowOf;

HWND windowOfControl(const Control& control) {
  HWND hwnd = windowOf(&control);
  if (!hwnd) throw std::logic_error("the control has no window");
  return hwnd;
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

// A screen reader's side of the objects: COM on this thread, once.
void comReady() {
  static const HRESULT com = CoInitialize(nullptr);
  (void)com;
}

AccessibleRole toolkitRole(const VARIANT& role) {
  if (role.vt != VT_I4) return AccessibleRole::None;
  switch (role.lVal) {
    case ROLE_SYSTEM_PUSHBUTTON:
      return AccessibleRole::Button;
    case ROLE_SYSTEM_RADIOBUTTON:
      return AccessibleRole::RadioButton;
    case ROLE_SYSTEM_GRAPHIC:
      return AccessibleRole::Picture;
    case ROLE_SYSTEM_STATICTEXT:
      return AccessibleRole::Text;
    default:
      return AccessibleRole::None;
  }
}

std::string taken(BSTR text) {
  if (!text) return {};
  std::string result = narrow(std::wstring(text, SysStringLen(text)));
  SysFreeString(text);
  return result;
}

// The object a screen reader gets for a window's client area, as it asks
// for it (a client in another process asks the same way).
IAccessible* accessibleOfWindow(HWND hwnd) {
  comReady();
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return nullptr;
  }
  return accessible;
}

ShownAccessible heardOf(IAccessible* accessible, VARIANT child) {
  ShownAccessible heard;
  BSTR text = nullptr;
  if (accessible->get_accName(child, &text) == S_OK) heard.name = taken(text);
  text = nullptr;
  if (accessible->get_accDescription(child, &text) == S_OK) heard.description = taken(text);
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(accessible->get_accRole(child, &role))) heard.role = toolkitRole(role);
  VariantClear(&role);
  return heard;
}

// The last alert each top-level window raised, by what its object says.
std::map<HWND, std::string>& alerts() {
  static std::map<HWND, std::string> heard;
  return heard;
}

void CALLBACK alertHeard(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  IAccessible* accessible = nullptr;
  VARIANT self;
  VariantInit(&self);
  if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                       &accessible, &self))) {
    return;
  }
  alerts()[GetAncestor(hwnd, GA_ROOT)] = heardOf(accessible, self).name;
  VariantClear(&self);
  accessible->Release();
}

// Whatever the window system has queued (paints, posted input) is handled.
void settle() { win32::win32Backend().handlePendingEvents(); }

// The innermost visible child window under a point of the form's client
// area (pixels), with the point in that window's client coordinates.
HWND windowAt(HWND form, POINT& at) {
  HWND hwnd = form;
  for (;;) {
    HWND child = ChildWindowFromPointEx(hwnd, at, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (!child || child == hwnd) return hwnd;
    MapWindowPoints(hwnd, child, &at, 1);
    hwnd = child;
  }
}

// A point of the client area in twips, in the form's device pixels.
// A point between two device pixels (an edge that falls mid-pixel at
// 150 %) goes to the one the core snaps that edge to: the nearest.
POINT clientPoint(const Form& form, float x, float y) {
  const double ratio = form.pixelRatio();
  const auto device = [ratio](float twips) {
    const double exact = twips / twipsPerPixel * ratio;
    return static_cast<LONG>(ratio == std::floor(ratio) ? std::floor(exact) : std::lround(exact));
  };
  return {form.clientLeft() + device(x), form.clientTop() + device(y)};
}

// The buttons held down, reported with every press and release as Windows
// reports them: a right press while the left is down holds both.
WPARAM heldButtons = 0;

void postMouse(const Form& form, float x, float y, std::int16_t button, std::int16_t shift,
               bool press) {
  settle();
  POINT at = clientPoint(form, x, y);
  HWND target = windowAt(windowOfControl(form), at);
  UINT message;
  WPARAM held = 0;
  switch (button) {
    case rightButton:
      message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      held = MK_RBUTTON;
      break;
    case middleButton:
      message = press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
      held = MK_MBUTTON;
      break;
    default:
      message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      held = MK_LBUTTON;
      break;
  }
  heldButtons = press ? heldButtons | held : heldButtons & ~held;
  WPARAM keys = heldButtons;
  if (shift & shiftHeld) keys |= MK_SHIFT;
  if (shift & ctrlHeld) keys |= MK_CONTROL;
  // While a button is held, the window that took the press has the mouse
  // captured, and Windows sends it every press and release wherever it lands.
  HWND capture = GetCapture();
  if (capture) {
    at = clientPoint(form, x, y);
    MapWindowPoints(windowOfControl(form), capture, &at, 1);
    target = capture;
  }
  PostMessageW(target, message, keys, MAKELPARAM(at.x, at.y));
  settle();
}

// Holds a key down in the thread's keyboard state while `run` runs, as it
// would be for a real Shift+Tab.
template <class Run>
void withKeyDown(BYTE key, bool down, Run run) {
  BYTE state[256];
  GetKeyboardState(state);
  const BYTE before = state[key];
  if (down) state[key] |= 0x80;
  SetKeyboardState(state);
  run();
  state[key] = before;
  SetKeyboardState(state);
}

std::function<void()>& loopStart() {
  static std::function<void()> start;
  return start;
}

void CALLBACK runLoopStart(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (auto start = loopStart()) start();
}

void CALLBACK leaveLoopLate(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(-1);
}

class Win32Probe : public Probe {
 public:
  Screenshot screenshot(const Form& form) override {
    HWND hwnd = windowOfControl(form);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    settle();
    RECT client;
    GetClientRect(hwnd, &client);
    int left = 0, top = 0;
    if (form.clientLeft() != 0 || form.clientTop() != 0) {
      // Full screen: the client area where it is centred on the screen.
      const PixelArea area = form.deviceRect();
      left = form.clientLeft();
      top = form.clientTop();
      client = RECT{0, 0, area.right, area.bottom};
    }
    win32::Surface copy;
    copy.resize(client.right, client.bottom);
    HDC source = GetDC(hwnd);
    BitBlt(copy.dc(), 0, 0, client.right, client.bottom, source, left, top, SRCCOPY);
    ReleaseDC(hwnd, source);
    Screenshot shot;
    shot.width = copy.width();
    shot.height = copy.height();
    shot.ratio = form.pixelRatio();
    const std::uint32_t* bits = copy.bits();
    for (int i = 0; bits && i < shot.width * shot.height; ++i) {
      const std::uint32_t c = bits[i];
      shot.pixels.push_back(rgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    }
    return shot;
  }

  void press(Form& form, float x, float y, std::int16_t button, std::int16_t shift) override {
    postMouse(form, x, y, button, shift, true);
  }

  void release(Form& form, float x, float y, std::int16_t button) override {
    postMouse(form, x, y, button, 0, false);
  }

  void key(Form& form, Key key, std::int16_t shift) override {
    settle();
    HWND target = GetFocus();
    if (!target) target = windowOfControl(form);
    const UINT code = win32::virtualKeyOf(key);
    withKeyDown(VK_SHIFT, key == Key::BackTab || (shift & shiftHeld), [&] {
      PostMessageW(target, WM_KEYDOWN, code, 1);
      PostMessageW(target, WM_KEYUP, code, 1 | (1L << 30) | (1UL << 31));
      settle();
    });
  }

  ScreenSize screenOf(const Form& form) override {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(windowOfControl(form), MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {monitor.rcMonitor.right - monitor.rcMonitor.left,
            monitor.rcMonitor.bottom - monitor.rcMonitor.top};
  }

  void closeBox(Form& form) override {
    // What a click on the close box sends.
    SendMessageW(windowOfControl(form), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
  }

  int platformObjectCount() override { return win32::liveWindowCount(); }

  const Control* platformFocus(const Form& form) override {
    settle();
    HWND focus = GetFocus();
    if (!focus) return nullptr;
    for (Control* c : form.controls()) {
      if (windowOf(c) == focus) return c;
    }
    return nullptr;
  }

  bool shownSelected(const OptionButton& option) override {
    return SendMessageW(windowOfControl(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  ShownCursor cursorAt(const Form& form, float x, float y) override {
    settle();
    POINT at = clientPoint(form, x, y);
    HWND under = windowAt(windowOfControl(form), at);
    // What Windows asks the window under the mouse when it moves there.
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ShownCursor shown;
    HCURSOR cursor = GetCursor();
    shown.custom = cursor && cursor != LoadCursorW(nullptr, IDC_ARROW);
    if (!shown.custom) return shown;
    ICONINFO info{};
    if (!GetIconInfo(cursor, &info)) return shown;
    // In the picture's own pixels and screen pixels: device pixels over
    // the ratio.
    const double ratio = form.pixelRatio();
    shown.hotX = static_cast<int>(std::lround(info.xHotspot / ratio));
    shown.hotY = static_cast<int>(std::lround(info.yHotspot / ratio));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    shown.width = static_cast<int>(std::lround(bitmap.bmWidth / ratio));
    shown.height = static_cast<int>(
        std::lround((info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2) / ratio));
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return shown;
  }

  ShownWindow window(const Form& form) override {
    HWND hwnd = windowOfControl(form);
    ShownWindow shown;
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    shown.title = narrow(title);
    RECT client;
    GetClientRect(hwnd, &client);
    // Screen pixels: device pixels over the ratio.
    const double ratio = form.pixelRatio();
    shown.clientWidth = static_cast<int>(std::lround(client.right / ratio));
    shown.clientHeight = static_cast<int>(std::lround(client.bottom / ratio));
    shown.visible = IsWindowVisible(hwnd);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    shown.resizable = (style & WS_THICKFRAME) != 0;
    shown.minimiseButton = (style & WS_MINIMIZEBOX) != 0;
    shown.maximiseButton = (style & WS_MAXIMIZEBOX) != 0;
    shown.hasIcon = SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) != 0;
    return shown;
  }

  // A control with a window of its own answers for itself; a drawn one is
  // found in its container's object at its middle, as a screen reader
  // following the mouse finds it.
  ShownAccessible accessible(const Control& control) override {
    settle();
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    HWND hwnd = windowOf(&control);
    IAccessible* object = nullptr;
    if (hwnd) {
      object = accessibleOfWindow(hwnd);
    } else {
      HWND container = windowOfControl(*control.parent());
      object = accessibleOfWindow(container);
      const RECT r = win32::deviceRectOf(control);
      POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      ClientToScreen(container, &middle);
      if (object && FAILED(object->accHitTest(middle.x, middle.y, &child))) child.lVal = -1;
    }
    if (!object || child.vt != VT_I4) {
      VariantClear(&child);
      if (object) object->Release();
      return {};
    }
    const ShownAccessible heard = heardOf(object, child);
    object->Release();
    return heard;
  }

  // What a screen reader heard last from the form's window: the name of
  // the object an alert event came from, asked for as a screen reader asks.
  std::string announced(const Form& form) override {
    comReady();
    static const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &alertHeard,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    (void)hook;
    settle();
    const auto found = alerts().find(windowOfControl(form));
    return found == alerts().end() ? std::string() : found->second;
  }

  ShownFont font(const Label& label) override {
    LOGFONTW drawn{};
    HFONT font = win32::fontOf(label.font(), label.form().pixelRatio());
    GetObjectW(font, sizeof drawn, &drawn);
    // The face GDI really chose for the request, as it draws the label.
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    // In screen pixels, as the program asked for it.
    const int device = drawn.lfHeight < 0 ? -drawn.lfHeight : drawn.lfHeight;
    return {narrow(face), static_cast<int>(std::lround(device / label.form().pixelRatio())),
            drawn.lfWeight >= FW_BOLD};
  }

  // What Windows sends a window dragged onto a screen of another scale:
  // WM_DPICHANGED with the new scale and a suggested outer rectangle.
  bool moveToScreenOfRatio(Form& form, double ratio) override {
    HWND hwnd = windowOfControl(form);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    const double grow = ratio / form.pixelRatio();
    const RECT suggested{
        outer.left, outer.top,
        outer.left + static_cast<LONG>(std::lround((outer.right - outer.left) * grow)),
        outer.top + static_cast<LONG>(std::lround((outer.bottom - outer.top) * grow))};
    const auto dpi = static_cast<WORD>(std::lround(96 * ratio));
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    settle();
    return form.pixelRatio() == ratio;
  }

  int runEventLoop(const std::function<void()>& first, int timeoutMs) override {
    loopStart() = first;
    const UINT_PTR start = SetTimer(nullptr, 0, 0, runLoopStart);
    const UINT_PTR guard = SetTimer(nullptr, 0, static_cast<UINT>(timeoutMs), leaveLoopLate);
    const int code = win32::win32Backend().runEventLoop();
    KillTimer(nullptr, start);
    KillTimer(nullptr, guard);
    loopStart() = nullptr;
    return code;
  }

  void leaveEventLoop() override { win32::win32Backend().quitEventLoop(0); }
};

}  // namespace

Probe& probe() {
  static Win32Probe win32Probe;
  return win32Probe;
}

}  // namespace forms::testing
