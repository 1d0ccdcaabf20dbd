// The floor of a heat run's cost: every 50 ms one disc, a little larger,
// painted into a box of the metal's size, for as many ticks as a run has.
// It marks its start and end the way the benchmark build of Velmora marks
// a run.
//   floor-disc WIDTH HEIGHT TICKS   (pixels)
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "bench/benchmark_marks.h"

namespace {

class DiscBox : public QWidget {
 public:
  explicit DiscBox(int ticks) : ticks_(ticks) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
  }
  void start() {
    bench::mark("run-started");
    timer_.start();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE0, 0xE0, 0xE0));
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0xFF, 0x80, 0x80));
    painter.drawEllipse(QPointF(0, 0), radius_, radius_);
  }

 private:
  void tick() {
    // Grows from the corner until it covers the box at the last tick.
    radius_ = std::hypot(width(), height()) * ++done_ / ticks_;
    update();
    if (done_ >= ticks_) {
      timer_.stop();
      bench::mark("run-ended");
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
  }

  QTimer timer_;
  int ticks_;
  int done_ = 0;
  double radius_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) return 2;
  DiscBox box(std::max(1, std::atoi(argv[3])));
  box.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
  box.show();
  QTimer::singleShot(500, [&] { box.start(); });
  return app.exec();
}
