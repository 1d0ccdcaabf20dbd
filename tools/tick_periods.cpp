// Measures the periods between a 50 ms toolkit timer's ticks on the Windows
// backend, on the performance counter, and prints their mean, 99th
// percentile and worst. A measurement, not a test: the figures depend on
// the machine and its load.
//   tick-periods.exe [TICKS]   (default 400 ticks, 20 s)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/win32/win32_backend.h"

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 400;
  forms::win32::Win32Backend& backend = forms::win32::win32Backend();
  forms::setBackend(&backend);
  backend.start(false);

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<LONGLONG> times;
  times.reserve(static_cast<std::size_t>(ticks) + 1);
  forms::Timer timer(50);
  timer.onTimer = [&] {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    times.push_back(now.QuadPart);
    if (times.size() > static_cast<std::size_t>(ticks)) {
      timer.setEnabled(false);
      backend.quitEventLoop(0);
    }
  };
  timer.setEnabled(true);
  backend.runEventLoop();

  std::vector<double> periods;
  for (std::size_t i = 1; i < times.size(); ++i) {
    periods.push_back(1000.0 * static_cast<double>(times[i] - times[i - 1]) /
                      static_cast<double>(frequency.QuadPart));
  }
  if (periods.empty()) return 1;
  const double total = 1000.0 * static_cast<double>(times.back() - times.front()) /
                       static_cast<double>(frequency.QuadPart);
  std::sort(periods.begin(), periods.end());
  const std::size_t p99 = std::min(periods.size() - 1, periods.size() * 99 / 100);
  std::printf("tick periods of a 50 ms timer over %zu ticks: mean %.3f ms, p99 %.3f ms, "
              "worst %.3f ms, shortest %.3f ms\n",
              periods.size(), total / static_cast<double>(periods.size()), periods[p99],
              periods.back(), periods.front());
  return 0;
}
