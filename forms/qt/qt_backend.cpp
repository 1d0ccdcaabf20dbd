#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#include "forms/form.h"
#include "forms/qt/peers.h"
#include "forms/qt/widget_peer.h"
#include "forms/qt/widgets.h"

namespace forms::qt {

namespace {

// A precise Qt timer per toolkit timer, so a 50 ms tick is 50 ms.
class QtTimerPeer : public TimerPeer {
 public:
  explicit QtTimerPeer(Timer& timer) : qtimer_(new QTimer) {
    qtimer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(qtimer_, &QTimer::timeout, [&timer] { timer.fire(); });
  }
  ~QtTimerPeer() override {
    // The tick that destroys its own timer is still on the stack.
    qtimer_->stop();
    qtimer_->disconnect();
    qtimer_->deleteLater();
  }
  void start(int intervalMs) override { qtimer_->start(intervalMs); }
  void stop() override { qtimer_->stop(); }

 private:
  QTimer* qtimer_;
};

// Windowless controls lie beneath every windowed control of their
// container; within each kind the later-created lies on top.
void stack(Control& control, QWidget& widget) {
  if (!isWindowless(control.kind())) {
    widget.raise();
    return;
  }
  for (Control* sibling : control.parent()->children()) {
    if (isWindowless(sibling->kind())) continue;
    if (QWidget* above = widgetOf(*sibling)) {
      widget.stackUnder(above);
      return;
    }
  }
  widget.raise();
}

}  // namespace

QWidget* widgetOf(const Control& control) {
  auto* peer = dynamic_cast<WidgetPeer*>(control.peer());
  return peer ? peer->widget() : nullptr;
}

std::unique_ptr<ControlPeer> QtBackend::createPeer(Control& control) {
  if (!qApp) return nullptr;
  if (control.kind() == ControlKind::Form) return makeFormPeer(static_cast<Form&>(control));
  QWidget* parent = control.parent() ? widgetOf(*control.parent()) : nullptr;
  if (!parent) return nullptr;
  std::unique_ptr<ControlPeer> peer;
  switch (control.kind()) {
    case ControlKind::PictureBox:
      peer = makePictureBoxPeer(static_cast<PictureBox&>(control), parent);
      break;
    case ControlKind::Label:
      peer = makeLabelPeer(static_cast<Label&>(control), parent);
      break;
    case ControlKind::CommandButton:
      peer = makeCommandButtonPeer(static_cast<CommandButton&>(control), parent);
      break;
    case ControlKind::OptionButton:
      peer = makeOptionButtonPeer(static_cast<OptionButton&>(control), parent);
      break;
    case ControlKind::Image:
    case ControlKind::Line:
    case ControlKind::FilledRect:
      peer = makeDrawnPeer(control, parent);
      break;
    case ControlKind::Form:
      break;
  }
  if (peer) stack(control, *static_cast<WidgetPeer&>(*peer).widget());
  return peer;
}

std::unique_ptr<TimerPeer> QtBackend::createTimerPeer(Timer& timer) {
  if (!qApp) return nullptr;
  return std::make_unique<QtTimerPeer>(timer);
}

double QtBackend::devicePixelRatio() const { return qApp ? qApp->devicePixelRatio() : 1.0; }

void QtBackend::quitEventLoop() {
  // Only a running loop is told to quit: Qt would otherwise remember the
  // request and make the next event loop return at once.
  if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(0);
  }
}

QtBackend& qtBackend() {
  static QtBackend backend;
  return backend;
}

}  // namespace forms::qt
