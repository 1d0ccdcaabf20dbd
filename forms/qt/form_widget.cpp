// A form as a top-level window: fixed size, no minimise or maximise,
// centred, its background painted in its own colour, its pixel ratio
// following the screen it is on.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "forms/benchmark_marks.h"
#include "forms/qt/accessible.h"
#include "forms/qt/control_widget.h"
#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"

namespace forms::qt {

namespace {

// The toolkit's focus mark and aiming cross, above every other widget of
// the window; made only once a key was pressed there, and never in the
// mouse's way.
class OverlayWidget : public QWidget {
 public:
  OverlayWidget(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const double ratio = form_.pixelRatio();
    for (const OverlayRun& run : form_.overlay()) {
      const PixelArea& a = run.area;
      painter.fillRect(QRectF(a.left / ratio, a.top / ratio, (a.right - a.left) / ratio,
                              (a.bottom - a.top) / ratio),
                       toQColor(run.colour));
    }
  }

 private:
  Form& form_;
};

class FormWidget : public QWidget, public ControlWidget {
 public:
  explicit FormWidget(Form& form)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
        ControlWidget(form, *this) {
    setFont(defaultControlFont());
  }

  Form* form() const { return static_cast<Form*>(control_); }

  void showGeometry() override {
    setFixedSize(pixels(form()->ClientWidth()), pixels(form()->ClientHeight()));
  }

  void showVisibility() override {
    if (!form()->Visible()) {
      hide();
      // Each loading of the form places it at the centre again.
      if (!form()->loaded()) placed_ = false;
      return;
    }
    if (!placed_) {
      placeAtCentre();
      placed_ = true;
    }
    // A window coming onto the screen comes on top of the others.
    show();
    activateWindow();
    showPixelRatio();
  }

  void bringToFront() override {
    raise();
    activateWindow();
  }

  void showOverlay() override {
    if (!overlay_) overlay_ = new OverlayWidget(*form(), this);
    overlay_->setGeometry(rect());
    overlay_->raise();
    overlay_->show();
    const PixelArea a = form()->overlayChangedArea();
    const double ratio = form()->pixelRatio();
    overlay_->update(QRectF(a.left / ratio, a.top / ratio, (a.right - a.left) / ratio,
                            (a.bottom - a.top) / ratio)
                         .toAlignedRect());
  }

  void showCaption() override { setWindowTitle(QString::fromStdString(form()->Caption())); }
  // The window is named by its title; its close box is the window manager's.
  void showAccessible() override {}
  void announce() override { announceOn(*this, form()->announcement()); }

  void showColours() override { update(); }

  void showPicture() override {
    const QPixmap icon = picturePixmap(form()->style().icon, 1.0);
    if (!icon.isNull()) setWindowIcon(QIcon(icon));
  }

  // The scale of the screen the window is on, told to the core, which
  // draws every picture box again at it.
  void showPixelRatio() {
    if (control_) form()->dispatchPixelRatio(devicePixelRatioF());
  }

 protected:
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    const bool handled = QWidget::event(event);
    // Moved to another screen, or the screen's scale changed.
    if (event->type() == QEvent::ScreenChangeInternal) showPixelRatio();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange) showPixelRatio();
#endif
    return handled;
  }
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form()->style().backColor));
#if VELMORA_BENCHMARK
    // Marked once the whole window, children too, has been painted: the
    // end of start-up the benchmark measures.
    static bool marked = false;
    if (!marked) {
      marked = true;
      QTimer::singleShot(0, [] { benchmark::mark("first-window-painted"); });
    }
#endif
  }
  void mousePressEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseReleased(*event); }
  void closeEvent(QCloseEvent* event) override {
    // The frame's close box: the form decides what closing means.
    event->ignore();
    if (control_) form()->dispatchCloseBox();
  }

 private:
  void placeAtCentre() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }

  bool placed_ = false;
  QWidget* overlay_ = nullptr;  // a child: Qt deletes it with the window
};

}  // namespace

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) {
  auto* widget = new FormWidget(form);
  widget->showAll();
  widget->showPixelRatio();
  return std::make_unique<WidgetPeer>(widget, widget);
}

}  // namespace forms::qt
