#include "forms/win32/container_peer.h"

#include "forms/win32/button_peer.h"

namespace forms::win32 {

LRESULT ContainerPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (routeKey(control_, message, wParam, lParam)) return 0;
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      mouseButton(message, wParam, lParam);
      return 0;
    case WM_COMMAND:
      // A system button inside this container was clicked.
      if (HIWORD(wParam) == BN_CLICKED) {
        if (WindowPeer* child = WindowPeer::of(reinterpret_cast<HWND>(lParam))) {
          child->control()->dispatchClick();
        }
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // An option button asks for its background.
      if (auto* child = dynamic_cast<ButtonPeer*>(WindowPeer::of(reinterpret_cast<HWND>(lParam)))) {
        if (HBRUSH brush = child->colours(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return byDefault(message, wParam, lParam);
    default:
      return WindowPeer::handle(message, wParam, lParam);
  }
}

void ContainerPeer::paint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  buffer_.resize(client.right, client.bottom);
  if (buffer_.dc()) {
    paintBackground(buffer_);
    // Later-made above earlier, as the core's hit test stacks them.
    for (const Control* child : static_cast<Container*>(control_)->children()) {
      if (isWindowless(child->kind()) && child->visible()) drawWindowless(buffer_, *child);
    }
    paintOverlay(buffer_.dc(), *control_);
    buffer_.blitTo(target);
  }
  EndPaint(hwnd_, &ps);
}

}  // namespace forms::win32
