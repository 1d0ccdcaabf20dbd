// Linked into the benchmark build of the Qt program: marks the end of
// start-up, once the first window has been painted, children too (the
// mark waits for the paint to finish). The toolkit knows nothing of it.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "bench/benchmark_marks.h"

namespace {

class FirstPaintMark : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      QCoreApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, [] { bench::mark("first-window-painted"); });
    }
    return false;
  }
};

void watchForFirstPaint() { QCoreApplication::instance()->installEventFilter(new FirstPaintMark); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
