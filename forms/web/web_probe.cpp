// The conformance suite's probe over the page: pixels read back from what
// the browser shows (a screenshot the test's driver takes through
// Chromium's DevTools and hands back), input as the page's own pointer and
// keyboard events dispatched to the backend's elements. Test code only,
// built with Asyncify, so a test can wait for the driver and for the
// page's event loop.
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/backend_support.h"
#include "forms/probe.h"
#include "forms/web/peers.h"
#include "forms/web/web_backend.h"

namespace {

// A press or release as the browser delivers it: to the element under the
// point, the release of a press on a window back to that window; the
// browser's focus follows a left press on a button or an option, and a
// left press and release on the same element click it.
EM_JS(void, probe_pointer, (int form, int down, float x, float y, int button, int shift), {
  var client = Page.element(form).inside;
  var point = Page.pointOnScreen(form, x, y);
  var cx = point.x;
  var cy = point.y;
  var target = document.elementFromPoint(cx, cy) || document.body;
  var init = {
    bubbles : true,
    cancelable : true,
    clientX : cx,
    clientY : cy,
    pointerId : 1,
    isPrimary : true,
    pointerType : 'mouse',
    button : [ Toolkit.Button.LEFT, Toolkit.Button.MIDDLE, Toolkit.Button.RIGHT ].indexOf(button),
    buttons : down ? button : 0,
    shiftKey : (shift & Toolkit.Held.SHIFT) != 0,
    ctrlKey : (shift & Toolkit.Held.CTRL) != 0,
    altKey : (shift & Toolkit.Held.ALT) != 0
  };
  if (!down && Page.probeCapture) target = Page.probeCapture;
  var pointer = new PointerEvent(down ? 'pointerdown' : 'pointerup', init);
  target.dispatchEvent(pointer);
  if (down) {
    var system = target.closest('.vm-system');
    /* The window holds the pointer it was pressed with (the browser would,
       for the page's setPointerCapture), so the release comes back to it. */
    Page.probeCapture = client.contains(target) && !system ? client : null;
    if (button != Toolkit.Button.LEFT) return;
    Page.probePressed = target;
    if (system && !pointer.defaultPrevented) system.focus();
    return;
  }
  Page.probeCapture = null;
  if (button != Toolkit.Button.LEFT) return;
  var pressed = Page.probePressed;
  Page.probePressed = null;
  if (!pressed) return;
  var shared = pressed.contains(target) ? pressed : target.contains(pressed) ? target : null;
  if (shared) shared.dispatchEvent(new MouseEvent('click', init));
});

EM_JS(void, probe_key, (int key, int shift), {
  var target = document.activeElement || document.body;
  var init = {
    bubbles : true,
    cancelable : true,
    key : Page.keyName(key),
    shiftKey : key == Toolkit.Key.BACK_TAB || (shift & Toolkit.Held.SHIFT) != 0
  };
  target.dispatchEvent(new KeyboardEvent('keydown', init));
  target.dispatchEvent(new KeyboardEvent('keyup', init));
});

EM_JS(void, probe_close_box, (int form),
      { Page.element(form).box.querySelector('.vm-close-box').click(); });

EM_JS(int, probe_count, (), { return Page.count(); });

EM_JS(int, probe_focused, (), { return Page.idOf(document.activeElement); });

EM_JS(int, probe_checked, (int id), { return Page.element(id).radio.checked ? 1 : 0; });

// In probe_bridge.js: the cursor over a point (custom, hot spot, size into
// out[0..4]), the window (client size, shown, icon into out[0..3]; its
// title returned, malloc'd) and a label's font (pixel size and boldness
// into out[0..1]; the face it asks for first returned, malloc'd).
extern "C" {
void probe_cursor(int form, float x, float y, int* out);
char* probe_window(int form, int* out);
char* probe_font(int label, int* out);
char* probe_accessible(int id);
}

// Asks the driver outside the page (a DevTools binding) and waits for its
// answer.
EM_ASYNC_JS(char*, probe_ask_driver, (const char* question), {
  var answer = await new Promise(function(resolve) {
    window.velmoraProbeAnswer = resolve;
    velmoraProbe(UTF8ToString(question));
  });
  return allocateUTF8(answer);
});

// What the page's live region says once its words are in (they follow the
// announcement a moment later, so the same words said again are news).
EM_ASYNC_JS(char*, probe_announced, (), {
  await new Promise(function(resolve) { setTimeout(resolve, 250); });
  var live = document.querySelector('[aria-live]');
  return allocateUTF8(live ? live.textContent : "");
});

// What the page shows now: drawings painted, the browser's full screen
// entered or left as asked, and a frame composed.
EM_ASYNC_JS(void, probe_settle, (), {
  Page.flush();
  await Page.fullScreenRequest();
  await new Promise(
      function(resolve) { requestAnimationFrame(function() { requestAnimationFrame(resolve); }); });
});

EM_JS(char*, probe_client_clip, (int form), {
  var inside = Page.element(form).inside;
  var client = Page.clientOnScreen(form);
  return allocateUTF8(JSON.stringify({
    what : 'screenshot',
    x : client.left,
    y : client.top,
    width : inside.offsetWidth * client.scale,
    height : inside.offsetHeight * client.scale
  }));
});

EM_JS(double, probe_ratio, (), {
  Page.checkPixelRatio();
  return window.devicePixelRatio || 1;
});

// A window's own ratio: the screen's, times its enlargement (full screen).
EM_JS(double, probe_form_ratio, (int form), { return Page.pixelRatio(form); });

EM_JS(void, probe_screen, (int* out), {
  var ratio = window.devicePixelRatio || 1;
  HEAP32[out >> 2] = Math.round(innerWidth * ratio);
  HEAP32[(out >> 2) + 1] = Math.round(innerHeight * ratio);
});

// The driver's screenshot answer: "width height" and the pixels as base64
// of 0xRRGGBB bytes, decoded into `out`.
EM_JS(int, probe_decode, (const char* answer, int* size, unsigned char* out, int capacity), {
  var text = UTF8ToString(answer);
  var parts = text.split(' ');
  HEAP32[size >> 2] = +parts[0];
  HEAP32[(size >> 2) + 1] = +parts[1];
  var bytes = atob(parts[2]);
  if (!out) return bytes.length;
  for (var i = 0; i < bytes.length && i < capacity; ++i) HEAPU8[out + i] = bytes.charCodeAt(i);
  return bytes.length;
});

std::string taken(char* text) {
  std::string copy(text);
  std::free(text);
  return copy;
}

}  // namespace

namespace forms::testing {

namespace {

int idOf(const Control& control) {
  auto* peer = dynamic_cast<web::ElementPeer*>(control.peer());
  if (!peer) throw std::logic_error("the control has no element on the page");
  return peer->id();
}

web::WebBackend& webBackend() { return *static_cast<web::WebBackend*>(platformBackend()); }

class WebProbe : public Probe {
 public:
  Screenshot screenshot(const Form& form) override {
    probe_settle();
    char* answer = probe_ask_driver(taken(probe_client_clip(idOf(form))).c_str());
    int size[2] = {0, 0};
    const int length = probe_decode(answer, size, nullptr, 0);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(length));
    probe_decode(answer, size, bytes.data(), length);
    std::free(answer);
    Screenshot shot;
    shot.width = size[0];
    shot.height = size[1];
    probe_ratio();
    shot.ratio = probe_form_ratio(idOf(form));
    shot.pixels.reserve(bytes.size() / 3);
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) {
      shot.pixels.push_back(rgb(bytes[i], bytes[i + 1], bytes[i + 2]));
    }
    shot.pixels.resize(static_cast<std::size_t>(shot.width) * shot.height);
    return shot;
  }

  void press(Form& form, float x, float y, std::int16_t button, std::int16_t shift) override {
    probe_pointer(idOf(form), 1, x, y, button, shift);
  }

  void release(Form& form, float x, float y, std::int16_t button) override {
    probe_pointer(idOf(form), 0, x, y, button, 0);
  }

  void key(Form&, Key key, std::int16_t shift) override {
    probe_key(static_cast<int>(key), shift & shiftHeld);
    // What a key changed on the page (full screen: the window's ratio,
    // told once the page has placed it) is shown before the next look.
    probe_settle();
  }

  void closeBox(Form& form) override { probe_close_box(idOf(form)); }

  ScreenSize screenOf(const Form&) override {
    int size[2] = {0, 0};
    probe_screen(size);
    return {size[0], size[1]};
  }

  int platformObjectCount() override { return probe_count(); }

  const Control* platformFocus(const Form& form) override {
    web::ElementPeer* peer = web::ElementPeer::find(probe_focused());
    if (!peer || &peer->control().form() != &form) return nullptr;
    return &peer->control();
  }

  bool shownSelected(const OptionButton& option) override { return probe_checked(idOf(option)); }

  ShownCursor cursorAt(const Form& form, float x, float y) override {
    int values[5] = {};
    probe_cursor(idOf(form), x, y, values);
    return {values[0] != 0, values[1], values[2], values[3], values[4]};
  }

  ShownWindow window(const Form& form) override {
    int values[4] = {};
    ShownWindow shown;
    shown.title = taken(probe_window(idOf(form), values));
    shown.clientWidth = values[0];
    shown.clientHeight = values[1];
    shown.visible = values[2] != 0;
    // The page's windows have a fixed size and no minimise or maximise
    // button: there is nothing to resize them with.
    shown.resizable = false;
    shown.minimiseButton = false;
    shown.maximiseButton = false;
    shown.hasIcon = values[3] != 0;
    return shown;
  }

  ShownFont font(const Label& label) override {
    int values[2] = {};
    ShownFont shown;
    shown.family = taken(probe_font(idOf(label), values));
    shown.pixelSize = values[0];
    shown.bold = values[1] != 0;
    return shown;
  }

  ShownAccessible accessible(const Control& control) override {
    const std::string shown = taken(probe_accessible(idOf(control)));
    const std::size_t first = shown.find('\n');
    const std::size_t second = shown.find('\n', first + 1);
    const std::string role = shown.substr(0, first);
    ShownAccessible heard;
    heard.name = shown.substr(first + 1, second - first - 1);
    heard.description = shown.substr(second + 1);
    heard.role = role == "button"  ? AccessibleRole::Button
                 : role == "radio" ? AccessibleRole::RadioButton
                 : role == "img"   ? AccessibleRole::Picture
                 : role == "text"  ? AccessibleRole::Text
                                   : AccessibleRole::None;
    return heard;
  }

  std::string announced(const Form&) override { return taken(probe_announced()); }

  // The driver makes the page's screen one of this pixel ratio.
  bool moveToScreenOfRatio(Form&, double ratio) override {
    const std::string question = "{\"what\": \"ratio\", \"ratio\": " + std::to_string(ratio) + "}";
    std::free(probe_ask_driver(question.c_str()));
    probe_settle();
    return probe_ratio() == ratio;
  }

  int runEventLoop(const std::function<void()>& first, int timeoutMs) override {
    web::WebBackend& backend = webBackend();
    backend.enterEventLoop();
    const auto start = std::chrono::steady_clock::now();
    first();
    while (backend.inEventLoop()) {
      if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeoutMs)) {
        backend.leaveEventLoop(-1);
        break;
      }
      // The page's own loop runs its timers and events meanwhile.
      emscripten_sleep(5);
    }
    return backend.exitCode();
  }

  void leaveEventLoop() override { webBackend().leaveEventLoop(0); }
};

}  // namespace

Probe& probe() {
  static WebProbe webProbe;
  return webProbe;
}

}  // namespace forms::testing
