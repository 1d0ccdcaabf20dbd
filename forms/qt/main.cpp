// The process entry point: the Qt application, the toolkit's backend and
// real clock, the program's start, and the event loop.
#include <QApplication>

#include "forms/application.h"
#include "forms/clock.h"
#include "forms/qt/qt_backend.h"

int main(int argc, char** argv) {
  // Never destroyed: the program's window objects live to the very end of
  // the process, and their widgets need the application until then.
  auto* application = new QApplication(argc, argv);
  application->setQuitOnLastWindowClosed(false);
  forms::setBackend(&forms::qt::qtBackend());
  forms::setClock(nullptr);  // the real clock
  forms::startProgram();
  if (forms::programEnded()) return 0;
  return QApplication::exec();
}
