#include "forms/web/web_backend.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <iterator>
#include <unordered_map>

#include "forms/application.h"
#include "forms/backend_support.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/web/page_bridge.h"
#include "forms/web/peers.h"

namespace forms {

Backend* platformBackend() {
  static web::WebBackend backend;
  return &backend;
}

}  // namespace forms

namespace forms::web {

namespace {

// One interval of the page per toolkit timer. A hidden tab slows the
// page's intervals and never makes up the ticks it skipped, so the heat
// goes on from where it was instead of jumping ahead.
class PageTimerPeer : public TimerPeer {
 public:
  explicit PageTimerPeer(Timer& timer) : timer_(timer), id_(newElementId()) {
    timers()[id_] = this;
  }
  ~PageTimerPeer() override {
    // Possibly from inside its own tick: the interval stops, and the
    // number no longer finds this timer.
    page_timer_stop(id_);
    timers().erase(id_);
  }
  void start(int intervalMs) override { page_timer_start(id_, intervalMs); }
  void stop() override { page_timer_stop(id_); }

  static std::unordered_map<int, PageTimerPeer*>& timers() {
    static std::unordered_map<int, PageTimerPeer*> all;
    return all;
  }
  void tick() { timer_.fire(); }

 private:
  Timer& timer_;
  int id_;
};

Form* formOf(int id) {
  ElementPeer* peer = ElementPeer::find(id);
  return peer ? dynamic_cast<Form*>(&peer->control()) : nullptr;
}

const Canvas* canvasOf(int id) {
  ElementPeer* peer = ElementPeer::find(id);
  auto* box = peer ? dynamic_cast<PictureBox*>(&peer->control()) : nullptr;
  return box ? &box->canvas() : nullptr;
}

}  // namespace

void WebBackend::start(bool) { page_full_screen_caption(fullScreenCommand); }

int WebBackend::runEventLoop() {
  looping_ = true;
  return 0;
}

void WebBackend::quitEventLoop(int exitCode) {
  if (!looping_) return;
  leaveEventLoop(exitCode);
  page_ended();
}

void WebBackend::leaveEventLoop(int exitCode) {
  looping_ = false;
  exitCode_ = exitCode;
}

void WebBackend::handlePendingEvents() { page_flush(); }

std::unique_ptr<ControlPeer> WebBackend::createForm(Form& form) { return makeFormPeer(form); }
std::unique_ptr<ControlPeer> WebBackend::createPictureBox(PictureBox& box) {
  return makePictureBoxPeer(box);
}
std::unique_ptr<ControlPeer> WebBackend::createImage(Image& image) { return makeImagePeer(image); }
std::unique_ptr<ControlPeer> WebBackend::createCommandButton(CommandButton& button) {
  return makeCommandButtonPeer(button);
}
std::unique_ptr<ControlPeer> WebBackend::createOptionButton(OptionButton& option) {
  return makeOptionButtonPeer(option);
}
std::unique_ptr<ControlPeer> WebBackend::createLabel(Label& label) { return makeLabelPeer(label); }
std::unique_ptr<ControlPeer> WebBackend::createLine(Line& line) { return makeLinePeer(line); }
std::unique_ptr<ControlPeer> WebBackend::createFilledRect(FilledRect& shape) {
  return makeFilledRectPeer(shape);
}
std::unique_ptr<TimerPeer> WebBackend::createTimer(Timer& timer) {
  return std::make_unique<PageTimerPeer>(timer);
}

}  // namespace forms::web

// What the page calls back: one function per kind of event, each finding
// its peer by number and handing the event to the core.
using forms::web::ElementPeer;

extern "C" {

// A press or release of one button on a window's client area, in twips.
EMSCRIPTEN_KEEPALIVE void velmora_press(int form, int button, int shift, float x, float y) {
  if (forms::Form* f = forms::web::formOf(form)) {
    f->pressAt({static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y});
  }
}

EMSCRIPTEN_KEEPALIVE void velmora_release(int form, int button, int shift, float x, float y) {
  if (forms::Form* f = forms::web::formOf(form)) {
    f->releaseAt({static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y});
  }
}

// A button's or an option's own click (mouse, finger or pen).
EMSCRIPTEN_KEEPALIVE void velmora_click(int id) {
  if (ElementPeer* peer = ElementPeer::find(id)) peer->control().dispatchClick();
}

// The page's focus arrived on a button or an option (a press on it).
EMSCRIPTEN_KEEPALIVE void velmora_focus_arrived(int id) {
  if (ElementPeer* peer = ElementPeer::find(id)) forms::focusArrived(peer->control());
}

// A press of a key the toolkit handles (forms::Key) on a window, with the
// held keys as the mouse's `shift`; the page swallows repeats and releases.
EMSCRIPTEN_KEEPALIVE void velmora_key(int form, int key, int shift) {
  if (key < 0 || key > static_cast<int>(forms::Key::Escape)) return;
  forms::keyArrived(forms::web::formOf(form), static_cast<forms::Key>(key), forms::KeyPhase::Press,
                    (shift & forms::shiftHeld) != 0);
}

EMSCRIPTEN_KEEPALIVE void velmora_close_box(int form) {
  if (forms::Form* f = forms::web::formOf(form)) f->dispatchCloseBox();
}

// The browser's pixel ratio (zoom, a high-DPI screen) for a window.
EMSCRIPTEN_KEEPALIVE void velmora_pixel_ratio(int form, double ratio) {
  if (forms::Form* f = forms::web::formOf(form)) f->dispatchPixelRatio(ratio);
}

// Where a control lies in its window's client area, in twips: its
// corner, its container's corner and its size, as six doubles at `out`.
// The build's recording of the first look keeps them, so the page can
// snap each element at its own pixel ratio before the program runs.
EMSCRIPTEN_KEEPALIVE void velmora_control_twips(int id, double* out) {
  ElementPeer* peer = ElementPeer::find(id);
  if (!peer) return;
  const forms::Control& control = peer->control();
  const forms::Point at = control.clientPosition();
  const forms::Point origin =
      control.parent() ? control.parent()->clientPosition() : forms::Point{};
  const forms::Rect rect = control.rect();
  const double twips[] = {at.x, at.y, origin.x, origin.y, rect.width, rect.height};
  std::copy(std::begin(twips), std::end(twips), out);
}

EMSCRIPTEN_KEEPALIVE void velmora_timer_tick(int id) {
  auto& timers = forms::web::PageTimerPeer::timers();
  auto found = timers.find(id);
  if (found != timers.end()) found->second->tick();
}

// A picture box's canvas, for the page to paint: its pixels (0x00BBGGRR),
// width and height in device pixels; null and 0 for a peer gone.
EMSCRIPTEN_KEEPALIVE const forms::Color* velmora_canvas_pixels(int id) {
  const forms::Canvas* canvas = forms::web::canvasOf(id);
  return canvas ? canvas->pixels().data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE int velmora_canvas_width(int id) {
  const forms::Canvas* canvas = forms::web::canvasOf(id);
  return canvas ? canvas->width() : 0;
}
EMSCRIPTEN_KEEPALIVE int velmora_canvas_height(int id) {
  const forms::Canvas* canvas = forms::web::canvasOf(id);
  return canvas ? canvas->height() : 0;
}
}
