#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#include "forms/backend_support.h"
#include "forms/form.h"
#include "forms/qt/accessible.h"
#include "forms/qt/control_widget.h"
#include "forms/qt/peers.h"
#include "forms/qt/widgets.h"

namespace forms {

Backend* platformBackend() { return &qt::qtBackend(); }

}  // namespace forms

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

// Windowless controls beneath the windowed ones of their container, each
// new one above those made before it.
void stack(Control& control, QWidget& widget) {
  const Control* above = stackedBeneath(control);
  if (QWidget* aboveWidget = above ? widgetOf(*above) : nullptr) {
    widget.stackUnder(aboveWidget);
  } else {
    widget.raise();
  }
}

// A control's peer inside its container's widget, stacked in its place;
// none if the container has no widget.
template <class C>
std::unique_ptr<ControlPeer> child(C& control, std::unique_ptr<ControlPeer> (*make)(C&, QWidget*)) {
  QWidget* parent = control.parent() ? widgetOf(*control.parent()) : nullptr;
  if (!parent) return nullptr;
  auto peer = make(control, parent);
  stack(control, *static_cast<WidgetPeer&>(*peer).widget());
  return peer;
}

}  // namespace

QWidget* widgetOf(const Control& control) {
  auto* peer = dynamic_cast<WidgetPeer*>(control.peer());
  return peer ? peer->widget() : nullptr;
}

void QtBackend::start(bool headless) {
  if (QApplication::instance()) {
    installAccessibility();
    return;
  }
  // A test session needs no screen: the offscreen platform, unless the
  // test run chose one.
  if (headless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "velmora";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the program's window objects live to the very end of
  // the process, and their widgets need the application until then.
  auto* application = new QApplication(argc, argv);
  application->setQuitOnLastWindowClosed(false);
  // Once the application is there: a factory installed before it is
  // not asked.
  installAccessibility();
}

int QtBackend::runEventLoop() { return QApplication::exec(); }

void QtBackend::quitEventLoop(int exitCode) {
  // Only a running loop is told to quit: Qt would otherwise remember the
  // request and make the next event loop return at once.
  if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(exitCode);
  }
}

void QtBackend::handlePendingEvents() {
  if (!QCoreApplication::instance()) return;
  // Posted events only: the window system's own (activation, exposure)
  // wait for a real event loop, as a long test would otherwise spend half
  // its time asking for them.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<ControlPeer> QtBackend::createForm(Form& form) {
  if (!qApp) return nullptr;
  return makeFormPeer(form);
}

std::unique_ptr<ControlPeer> QtBackend::createPictureBox(PictureBox& box) {
  return child(box, &makePictureBoxPeer);
}

std::unique_ptr<ControlPeer> QtBackend::createImage(Image& image) {
  return child(image, &makeImagePeer);
}

std::unique_ptr<ControlPeer> QtBackend::createCommandButton(CommandButton& button) {
  return child(button, &makeCommandButtonPeer);
}

std::unique_ptr<ControlPeer> QtBackend::createOptionButton(OptionButton& option) {
  return child(option, &makeOptionButtonPeer);
}

std::unique_ptr<ControlPeer> QtBackend::createLabel(Label& label) {
  return child(label, &makeLabelPeer);
}

std::unique_ptr<ControlPeer> QtBackend::createLine(Line& line) {
  return child(line, &makeLinePeer);
}

std::unique_ptr<ControlPeer> QtBackend::createFilledRect(FilledRect& shape) {
  return child(shape, &makeFilledRectPeer);
}

std::unique_ptr<TimerPeer> QtBackend::createTimer(Timer& timer) {
  if (!qApp) return nullptr;
  return std::make_unique<QtTimerPeer>(timer);
}

QtBackend& qtBackend() {
  static QtBackend backend;
  return backend;
}

}  // namespace forms::qt
