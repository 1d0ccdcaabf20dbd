// The test session over Qt: the offscreen platform, the Qt backend and a
// virtual clock.
#include <QApplication>
#include <cassert>

#include "forms/clock.h"
#include "forms/lifetime.h"
#include "forms/qt/qt_backend.h"
#include "forms/testing.h"

namespace forms::testing {

namespace {

struct Active {
  VirtualClock clock;
  Backend* previousBackend = nullptr;
};

Active* active = nullptr;

void ensureApplication() {
  if (QApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "velmora-tests";
  static char* argv[] = {name, nullptr};
  // Kept for the whole process: window objects of the program outlive any
  // one test, and their widgets need the application to the end.
  static QApplication* application = new QApplication(argc, argv);
  application->setQuitOnLastWindowClosed(false);
}

}  // namespace

Session::Session() {
  assert(!active && "one test session at a time");
  ensureApplication();
  active = new Active;
  active->previousBackend = backend();
  setBackend(&qt::qtBackend());
  setClock(&active->clock);
}

Session::~Session() {
  lifetime::closeEveryForm();
  lifetime::resetProgramEnded();
  setClock(nullptr);
  setBackend(active->previousBackend);
  delete active;
  active = nullptr;
  // Nothing of the closed windows' widgets is on the stack now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Session::advance(int ms) {
  // What the event loop would have handled by now (repaints, widgets of
  // closed windows) is handled first. Left pending, Qt's queue of posted
  // events only ever grows over a long test, and every widget made or
  // destroyed searches the whole of it.
  QCoreApplication::sendPostedEvents();
  active->clock.advance(ms);
}

std::int64_t Session::now() const { return active->clock.now(); }

}  // namespace forms::testing
