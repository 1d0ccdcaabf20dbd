// The Win32 side of a control that has a window of its own (a form, a
// picture box, a button): the HWND, and the peer the core holds, which
// turns each message of the core into one Win32 call and each window
// message into one call of the core. The HWND's GWLP_USERDATA points at
// its peer; a peer whose control is gone answers nothing itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "forms/backend.h"
#include "forms/backend_support.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms::win32 {

class WindowPeer : public ControlPeer {
 public:
  WindowPeer(Control& control) : control_(&control) {}
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Null once the control is gone.
  Control* control() const { return control_; }

  void geometryChanged() override;
  void visibilityChanged() override;
  void focusChanged() override;

  // One window message; what the peer does not handle goes to the
  // window's default procedure.
  virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT byDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

  // The peer of a window made by this backend, if its control still lives.
  static WindowPeer* of(HWND hwnd);

 protected:
  // Ties the window to this peer (from WM_NCCREATE, or after making a
  // system control).
  void attach(HWND hwnd);
  // A press or release on this window goes to the form at that point of
  // its client area: the core finds the control there.
  void mouseButton(UINT message, WPARAM wParam, LPARAM lParam);

  Control* control_;
  HWND hwnd_ = nullptr;

 private:
  friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
};

// The window procedure of every window class this backend registers.
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The keys the toolkit handles go to the core (forms::keyArrived), so the
// keyboard behaves alike on every backend, and the window's own handling of
// them is swallowed. Returns whether the message was one of them.
bool routeKey(Control* control, UINT message, WPARAM wParam, LPARAM lParam);
// The virtual key of a key the toolkit handles (Shift+Tab's: Tab).
UINT virtualKeyOf(Key key);

// Fills the part of the form's keyboard overlay (the focus mark, the aiming
// cross) that lies on `control`'s window, on a DC of that window; drawn
// last, so it lies above everything the window shows.
void paintOverlay(HDC dc, const Control& control);

// Makes a peer of type P for `control`, with its state shown once.
template <class P, class C, class... Args>
std::unique_ptr<ControlPeer> makePeer(C& control, Args&&... args) {
  auto peer = std::make_unique<P>(control, std::forward<Args>(args)...);
  if (!peer->hwnd()) return nullptr;
  showAll(*peer);
  return peer;
}

// Twips to whole device pixels at a form's pixel ratio (2 on a 200 %
// screen), rounded as the canvas rounds them.
int pixels(float twips, double ratio);
// The control's device pixels in its container's window, as the core
// snapped them; on the form, from where its client area lies (centred on
// the screen in full screen).
RECT deviceRectOf(const Control& control);
// The pixel ratio of the screen the control's form is on.
inline double ratioOf(const Control& control) { return control.form().pixelRatio(); }
// The scale of the screen a window is on, in dots per inch (96 at 100 %).
UINT dpiOf(HWND hwnd);
// UTF-8, as the windows are written, to the wide text Win32 takes.
std::wstring wide(const std::string& text);

// The window of a container (form or picture box), or null.
HWND windowOf(const Control* control);

}  // namespace forms::win32
