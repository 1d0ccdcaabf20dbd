// A top-level window: caption, fixed single border without minimise and
// maximise, centred, icon, background colour. The form owns every control
// and timer built on it; closing it destroys them, while the window object
// itself (and the program's members in it) lives on.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/controls.h"
#include "forms/keyboard_overlay.h"

namespace forms {

struct FormStyle {
  std::string caption;
  float clientWidth = 0;   // twips
  float clientHeight = 0;  // twips
  Color backColor = systemColor(24);
  Picture icon;
  // What a screen reader calls the frame's close box, where the toolkit
  // draws the frame itself (the browser).
  std::string closeBoxName;
};

class Form : public Container {
 public:
  explicit Form(FormStyle style);
  ~Form() override;

  const FormStyle& style() const { return style_; }
  const std::string& caption() const { return style_.caption; }

  // width() and height() (of Control) are the outer size: the client area
  // plus the layout's fixed frame on both sides, whatever the window
  // manager draws around it, so the heat grows alike on every desktop.
  float clientWidth() const { return style_.clientWidth; }
  float clientHeight() const { return style_.clientHeight; }

  // Shows the form without modality. A form that is not loaded first builds
  // its controls (buildLayout) and runs onLoad.
  void show();
  void hide();
  // Unloads the form: hides it and destroys its controls and timers.
  void close();
  bool loaded() const { return loaded_; }

  // Real mouse input, at a point of the client area in twips. The core
  // finds the control there (hitTest) and raises its MouseDown; a left
  // release over the control the left press went to raises its Click, so
  // a press that slides off and lets go elsewhere clicks nothing.
  void pressAt(const MouseEvent& event);
  void releaseAt(const MouseEvent& event);

  // Device pixels per screen pixel of the screen the form is on (2 on a
  // 200 % projector). The backend reports it when the form's window is
  // made and whenever it moves to a screen of another scale; every
  // picture box then draws its drawing again, the twips unchanged.
  double pixelRatio() const { return pixelRatio_; }
  void dispatchPixelRatio(double ratio);

  // Where the client area lies in the window the backend shows, in device
  // pixels: (0, 0), except in full screen, where it is centred on the
  // screen. The backend places the form's own controls from it and maps
  // every press back through it.
  int clientLeft() const { return clientLeft_; }
  int clientTop() const { return clientTop_; }
  // The backend's placing of the form in full screen, or back in its
  // window: the ratio and where the client area lies, both at once.
  void dispatchPlacement(double ratio, int clientLeft, int clientTop);
  // A point of the window the backend shows, in device pixels, as twips of
  // the client area: through the same origin and ratio the drawing used.
  Point twipsAt(double deviceX, double deviceY) const;
  // Full screen was entered or left: the window follows.
  void screenModeChanged();

  // The user closed the window with its frame's close box.
  void dispatchCloseBox();
  // Keyboard: Tab and Shift+Tab move the focus in the tab order; Enter or
  // Space presses the focused button, or presses a focused picture box at
  // its aim with the left button, exactly as the mouse would; the arrow
  // keys move within an option group, or move the aim of a focused box
  // that is aimed at (with Shift, by the fine step). `shift` as the mouse's.
  void dispatchKey(Key key, std::int16_t shift = 0);
  // A key was pressed in this window since the mouse last pressed on it:
  // it shows the focus mark and the aiming cross, as browsers show
  // :focus-visible. Otherwise it looks as it always did.
  bool keyboardUsed() const { return keyboardUsed_; }
  // What the toolkit draws over the controls now, and the device pixels a
  // backend repaints when told overlayChanged (what was and what is).
  const std::vector<OverlayRun>& overlay() const { return overlay_; }
  PixelArea overlayChangedArea() const { return overlayChangedArea_; }

  // Tells a screen reader of a moment the child waits for, through the
  // platform's announcement path; nothing is shown.
  void announce(std::string text);
  const std::string& announcement() const { return announcement_; }

  Control* focused() const { return focused_; }
  void setFocus(Control* control);

  int ownedControlCount() const { return static_cast<int>(controls_.size()); }
  int ownedTimerCount() const { return static_cast<int>(timers_.size()); }

  // Every control built on the form, in creation order.
  std::vector<Control*> controls() const;

 protected:
  // Builds the controls from the window's layout (each opening).
  virtual void buildLayout() = 0;
  // Runs after buildLayout, before the window becomes visible.
  virtual void onLoad() {}
  // What the close box does; by default the form closes.
  virtual void onCloseBox() { close(); }

  // Creates a control owned by this form (on the form or inside one of its
  // picture boxes). Valid until the form is closed.
  template <class T, class... Args>
  T* add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = control.get();
    controls_.push_back(std::move(control));
    return raw;
  }
  Timer* addTimer(int intervalMs = 50);
  // Tab order of the layout; the first focusable visible one gets the focus
  // when the form is shown.
  void setTabOrder(std::vector<Control*> order);

 private:
  friend class Control;
  friend class PictureBox;
  // Works out the overlay again; tells the peer if it changed.
  void refreshOverlay();
  // A left press and release on `target` at a point of its own, as the
  // mouse gives them: the keyboard's press of a picture box.
  void pressOn(Control* target, const MouseEvent& local);
  // What one key does, before the overlay is worked out again.
  void actOnKey(Key key, std::int16_t shift);
  std::unique_ptr<ControlPeer> makePeer(Backend& backend) override;
  // The focusable controls in tab order: the layout's order, then any
  // others in creation order.
  std::vector<Control*> focusOrder() const;
  // The next visible focusable control after `from` (step +1) or before it
  // (step -1), wrapping; null if there is none.
  Control* neighbour(const Control* from, int step) const;

  FormStyle style_;
  bool loaded_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<Control*> tabOrder_;
  Control* focused_ = nullptr;
  double pixelRatio_ = 1.0;
  int clientLeft_ = 0;
  int clientTop_ = 0;
  // The control the left button went down on, while it is held.
  Control* pressed_ = nullptr;
  std::uint64_t pressedSerial_ = 0;
  bool keyboardUsed_ = false;
  std::vector<OverlayRun> overlay_;
  PixelArea overlayChangedArea_;
  std::string announcement_;
};

}  // namespace forms
