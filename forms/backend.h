// What a backend (Qt, Win32, the browser) implements. The core keeps every
// control's state, decides which control a point belongs to, owns focus,
// keyboard, timers, drawing and the start sequence; a backend only shows
// that state and feeds real input back. See "Writing a backend" in
// forms/README.md for the whole list of its duties.
#pragma once

#include <memory>

namespace forms {

class CommandButton;
class FilledRect;
class Form;
class Image;
class Label;
class Line;
class OptionButton;
class PictureBox;
class Timer;

// The screen side of one control. The core tells it exactly what changed,
// one message per change; each message has an empty default, so a peer
// handles only what its kind of control can show.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // Left, Top, Width or Height (a form: its client size).
  virtual void geometryChanged() {}
  // Visible: a form is shown or hidden, a control appears or goes.
  virtual void visibilityChanged() {}
  // A visible form is shown again: bring it to the front.
  virtual void raised() {}
  virtual void captionChanged() {}
  // BackColor or ForeColor.
  virtual void coloursChanged() {}
  virtual void fontChanged() {}
  virtual void pictureChanged() {}
  // MousePointer or MouseIcon.
  virtual void cursorChanged() {}
  // An option button was selected or cleared.
  virtual void valueChanged() {}
  // A picture box's canvas changed (drawn on, erased, rescaled): repaint.
  virtual void drawingChanged() {}
  // The control gained or lost the toolkit's keyboard focus.
  virtual void focusChanged() {}
  // A form's keyboard overlay (Form::overlay) changed: repaint
  // Form::overlayChangedArea, with the overlay's runs above everything.
  virtual void overlayChanged() {}
  // A form: full screen was entered or left (forms::fullScreen()). A form
  // shown while it holds is shown full screen at once.
  virtual void screenModeChanged() {}
  // The accessible name or description changed.
  virtual void accessibleChanged() {}
  // A form asks the platform to speak Form::announcement() now.
  virtual void announced() {}
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Calls Timer::fire every intervalMs from the event loop until stopped.
  virtual void start(int intervalMs) = 0;
  virtual void stop() = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Connects to the window system. `headless`: a test session, which needs
  // no screen of its own (Qt: the offscreen platform unless one is chosen).
  virtual void start(bool headless) = 0;
  // Runs the event loop until quitEventLoop; returns its exit code.
  virtual int runEventLoop() = 0;
  // Leaves a running event loop; outside one, does nothing.
  virtual void quitEventLoop(int exitCode) = 0;
  // Handles what the window system has queued (repaints, windows to
  // delete), as the event loop would have by now.
  virtual void handlePendingEvents() = 0;

  // One call per kind of control. The control's whole state is complete
  // when it is called; the peer shows it at once. A control inside a
  // container is made after its container's peer.
  virtual std::unique_ptr<ControlPeer> createForm(Form& form) = 0;
  virtual std::unique_ptr<ControlPeer> createPictureBox(PictureBox& box) = 0;
  virtual std::unique_ptr<ControlPeer> createImage(Image& image) = 0;
  virtual std::unique_ptr<ControlPeer> createCommandButton(CommandButton& button) = 0;
  virtual std::unique_ptr<ControlPeer> createOptionButton(OptionButton& option) = 0;
  virtual std::unique_ptr<ControlPeer> createLabel(Label& label) = 0;
  virtual std::unique_ptr<ControlPeer> createLine(Line& line) = 0;
  virtual std::unique_ptr<ControlPeer> createFilledRect(FilledRect& shape) = 0;
  virtual std::unique_ptr<TimerPeer> createTimer(Timer& timer) = 0;
};

// The backend in use; null means none (controls keep their state only).
Backend* backend();
void setBackend(Backend* backend);

// The backend this program is linked with: defined once by each backend
// (null by the library for running with no backend at all).
Backend* platformBackend();

}  // namespace forms
