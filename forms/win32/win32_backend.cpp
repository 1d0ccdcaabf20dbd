#include "forms/win32/win32_backend.h"

#include <map>

#include "forms/form.h"
#include "forms/win32/peers.h"
#include "forms/win32/window_peer.h"

namespace forms {

Backend* platformBackend() { return &win32::win32Backend(); }

}  // namespace forms

namespace forms::win32 {

namespace {

// Posted to the backend's own window: destroy the window in wParam.
constexpr UINT destroyWindowMessage = WM_APP + 1;

// A message-only window that receives the timers' ticks and the windows
// to destroy later.
HWND& backendWindow() {
  static HWND window = nullptr;
  return window;
}

int& windowCount() {
  static int count = 0;
  return count;
}

std::map<UINT_PTR, Timer*>& runningTimers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

LRESULT CALLBACK backendProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      auto found = runningTimers().find(wParam);
      // The tick may destroy its own timer: nothing of it is used after.
      if (found != runningTimers().end()) found->second->fire();
      return 0;
    }
    case destroyWindowMessage:
      DestroyWindow(reinterpret_cast<HWND>(wParam));
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// A window timer per toolkit timer, ticking on the backend's window.
class Win32TimerPeer : public TimerPeer {
 public:
  explicit Win32TimerPeer(Timer& timer) : timer_(timer), id_(nextId()) {}
  ~Win32TimerPeer() override { stop(); }
  void start(int intervalMs) override {
    runningTimers()[id_] = &timer_;
    SetTimer(backendWindow(), id_, static_cast<UINT>(intervalMs), nullptr);
  }
  void stop() override {
    // KillTimer also takes back a tick already waiting in the queue.
    KillTimer(backendWindow(), id_);
    runningTimers().erase(id_);
  }

 private:
  static UINT_PTR nextId() {
    static UINT_PTR id = 0;
    return ++id;
  }
  Timer& timer_;
  UINT_PTR id_;
};

void registerClass(const wchar_t* name, HCURSOR cursor) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = cursor;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace

void destroyLater(HWND hwnd) {
  PostMessageW(backendWindow(), destroyWindowMessage, reinterpret_cast<WPARAM>(hwnd), 0);
}

void countWindow(int change) { windowCount() += change; }

int liveWindowCount() { return windowCount(); }

void Win32Backend::start(bool) {
  // A window on the screen either way: Wine or Windows always has one.
  if (backendWindow()) return;
  // Per-monitor DPI awareness comes from the manifest (program.manifest),
  // which Windows applies before any code runs.
  registerClass(formClass, LoadCursorW(nullptr, IDC_ARROW));
  // Picture boxes set their own cursor, the flame-and-cross or the arrow.
  registerClass(pictureBoxClass, nullptr);
  WNDCLASSEXW backendClass{};
  backendClass.cbSize = sizeof backendClass;
  backendClass.lpfnWndProc = backendProcedure;
  backendClass.hInstance = GetModuleHandleW(nullptr);
  backendClass.lpszClassName = L"VelmoraBackend";
  RegisterClassExW(&backendClass);
  backendWindow() = CreateWindowExW(0, backendClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, backendClass.hInstance, nullptr);
}

int Win32Backend::runEventLoop() {
  ++loopDepth_;
  MSG message;
  int exitCode = 0;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      exitCode = static_cast<int>(message.wParam);
      break;
    }
    if (got < 0) {
      exitCode = 1;
      break;
    }
    DispatchMessageW(&message);
  }
  --loopDepth_;
  return exitCode;
}

void Win32Backend::quitEventLoop(int exitCode) {
  // Only a running loop is told to quit: a WM_QUIT left in the queue
  // would end the next loop at once.
  if (loopDepth_ > 0) PostQuitMessage(exitCode);
}

void Win32Backend::handlePendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Meant for the loop this was called from: left for it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchMessageW(&message);
  }
}

std::unique_ptr<ControlPeer> Win32Backend::createForm(Form& form) {
  if (!backendWindow()) return nullptr;
  return makeFormPeer(form);
}

std::unique_ptr<ControlPeer> Win32Backend::createPictureBox(PictureBox& box) {
  HWND parent = windowOf(box.parent());
  return parent ? makePictureBoxPeer(box, parent) : nullptr;
}

std::unique_ptr<ControlPeer> Win32Backend::createImage(Image& image) {
  return makeDrawnPeer(image);
}

std::unique_ptr<ControlPeer> Win32Backend::createCommandButton(CommandButton& button) {
  HWND parent = windowOf(button.parent());
  return parent ? makeCommandButtonPeer(button, parent) : nullptr;
}

std::unique_ptr<ControlPeer> Win32Backend::createOptionButton(OptionButton& option) {
  HWND parent = windowOf(option.parent());
  return parent ? makeOptionButtonPeer(option, parent) : nullptr;
}

std::unique_ptr<ControlPeer> Win32Backend::createLabel(Label& label) {
  return makeDrawnPeer(label);
}

std::unique_ptr<ControlPeer> Win32Backend::createLine(Line& line) { return makeDrawnPeer(line); }

std::unique_ptr<ControlPeer> Win32Backend::createFilledRect(FilledRect& shape) {
  return makeDrawnPeer(shape);
}

std::unique_ptr<TimerPeer> Win32Backend::createTimer(Timer& timer) {
  if (!backendWindow()) return nullptr;
  return std::make_unique<Win32TimerPeer>(timer);
}

Win32Backend& win32Backend() {
  static Win32Backend backend;
  return backend;
}

}  // namespace forms::win32
