#include "forms/win32/win32_backend.h"

#include <atomic>
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
// Posted by a timer's tick thread: the timer numbered wParam is due; lParam
// is the run of that timer it belongs to.
constexpr UINT timerTickMessage = WM_APP + 2;

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

class Win32TimerPeer;

std::map<UINT_PTR, Win32TimerPeer*>& runningTimers() {
  static std::map<UINT_PTR, Win32TimerPeer*> timers;
  return timers;
}

// A toolkit timer on Windows. A plain window timer (SetTimer) fires on the
// system's clock tick, about every 15.6 ms, so a 50 ms timer would tick
// every 47 or 62 ms and the heat would grow at the wrong pace. Instead a
// thread of its own keeps deadlines on the performance counter
// (QueryPerformanceCounter): each deadline is the one before plus the
// interval, never the moment a tick was handled plus the interval, so the
// ticks cannot drift and their mean is the interval. The thread sleeps
// until each deadline on a waitable timer and posts a tick message to the
// backend's window; a posted message is handled by whatever loop the
// program is in, the system's own included while a window is dragged or a
// menu is open. The waitable timer is a high-resolution one
// (CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, Windows 10 1803 and later, so
// every supported Windows 10 and 11), which wakes within about a
// millisecond of the deadline without raising the whole system's timer
// rate; where it is missing, a normal waitable timer wakes on the next
// system tick after the deadline: single ticks vary, the mean stays the
// interval. Relative due times run on the system's interrupt time, which
// a change of the wall clock does not move.
class Win32TimerPeer : public TimerPeer {
 public:
  explicit Win32TimerPeer(Timer& timer) : timer_(timer), id_(nextId()) {}
  ~Win32TimerPeer() override { stop(); }

  void start(int intervalMs) override {
    stop();
    intervalMs_ = intervalMs < 1 ? 1 : intervalMs;
    ++run_;
    handled_ = true;
    runningTimers()[id_] = this;
    stopEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, tickThread, this, 0, nullptr);
  }

  void stop() override {
    if (thread_) {
      SetEvent(stopEvent_);
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
      CloseHandle(stopEvent_);
      thread_ = nullptr;
      stopEvent_ = nullptr;
    }
    // A tick already posted carries the old run and is dropped.
    ++run_;
    runningTimers().erase(id_);
  }

  // On the program's thread, for a posted tick.
  void tick(LPARAM run) {
    if (run != run_) return;
    handled_ = true;
    // The tick may destroy its own timer: nothing of this is used after.
    timer_.fire();
  }

 private:
  static UINT_PTR nextId() {
    static UINT_PTR id = 0;
    return ++id;
  }

  static HANDLE makeWaitableTimer() {
    if (HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer,
                                              TIMER_ALL_ACCESS)) {
      return timer;
    }
    return CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
  }

  static DWORD WINAPI tickThread(void* self) {
    static_cast<Win32TimerPeer*>(self)->runTicks();
    return 0;
  }

  void runTicks() {
    HANDLE waitable = makeWaitableTimer();
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const LONGLONG interval = frequency.QuadPart * intervalMs_ / 1000;
    const LONG run = run_;
    LONGLONG deadline = now.QuadPart + interval;
    for (;;) {
      QueryPerformanceCounter(&now);
      const LONGLONG left = deadline - now.QuadPart;
      if (left > 0) {
        // Relative due time, in 100 ns units, negative.
        LARGE_INTEGER due;
        due.QuadPart = -(left * 10'000'000 / frequency.QuadPart);
        if (due.QuadPart == 0) due.QuadPart = -1;
        SetWaitableTimer(waitable, &due, 0, nullptr, nullptr, FALSE);
        const HANDLE both[] = {stopEvent_, waitable};
        if (WaitForMultipleObjects(2, both, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) break;
        continue;  // checked against the counter once more
      }
      if (WaitForSingleObject(stopEvent_, 0) == WAIT_OBJECT_0) break;
      // One tick waits in the queue at most: a program too busy to take
      // them misses ticks, as with a window timer, rather than catching up
      // in a burst.
      if (handled_.exchange(false)) {
        PostMessageW(backendWindow(), timerTickMessage, id_, run);
      }
      deadline += interval;
      // After a long stall (the machine asleep) start afresh from now.
      if (now.QuadPart - deadline > 4 * interval) deadline = now.QuadPart + interval;
    }
    CloseHandle(waitable);
  }

  static constexpr DWORD highResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

  Timer& timer_;
  UINT_PTR id_;
  int intervalMs_ = 50;
  std::atomic<LONG> run_{0};
  std::atomic<bool> handled_{true};
  HANDLE thread_ = nullptr;
  HANDLE stopEvent_ = nullptr;
};

LRESULT CALLBACK backendProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case timerTickMessage: {
      auto found = runningTimers().find(wParam);
      if (found != runningTimers().end()) found->second->tick(lParam);
      return 0;
    }
    case destroyWindowMessage:
      DestroyWindow(reinterpret_cast<HWND>(wParam));
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

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
