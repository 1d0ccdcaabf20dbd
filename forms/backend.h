// What a backend (Qt, Win32) implements. The toolkit's controls hold the
// state; a peer mirrors it on screen when told that something changed and
// feeds real input back through Control::dispatch*.
#pragma once

#include <memory>

namespace forms {

class Control;
class Timer;

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void geometryChanged() = 0;
  virtual void visibilityChanged() = 0;
  // Caption, colours, font, picture, cursor.
  virtual void appearanceChanged() = 0;
  // A picture box's canvas changed: repaint it.
  virtual void drawingChanged() = 0;
  virtual void focusChanged() = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void start(int intervalMs) = 0;
  virtual void stop() = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> createPeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> createTimerPeer(Timer& timer) = 0;
  virtual double devicePixelRatio() const = 0;
  virtual void quitEventLoop() = 0;
};

// The backend in use; null means none (controls keep their state only).
Backend* backend();
void setBackend(Backend* backend);

}  // namespace forms
