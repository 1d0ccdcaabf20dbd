// A form as a top-level window: fixed size, no minimise or maximise,
// centred, its background painted in its own colour, its pixel ratio
// following the screen it is on.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "forms/application.h"
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
// Device pixels of the client area on the window, in Qt's logical pixels:
// in full screen the client area is centred and drawn at the form's ratio.
QRectF onWidget(const Form& form, const PixelArea& a, double devicePixelRatio) {
  return QRectF((form.clientLeft() + a.left) / devicePixelRatio,
                (form.clientTop() + a.top) / devicePixelRatio,
                (a.right - a.left) / devicePixelRatio, (a.bottom - a.top) / devicePixelRatio);
}

class OverlayWidget : public QWidget {
 public:
  OverlayWidget(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // Drawn in device pixels, so a run lands on whole pixels at any ratio
    // (1.5 too) and never loses a row to rounding.
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    for (const OverlayRun& run : form_.overlay()) {
      const PixelArea& a = run.area;
      painter.fillRect(QRect(form_.clientLeft() + a.left, form_.clientTop() + a.top,
                             a.right - a.left, a.bottom - a.top),
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

  void geometryChanged() override {
    if (!fullScreenShown_) {
      setFixedSize(pixels(form()->clientWidth()), pixels(form()->clientHeight()));
    }
  }

  void visibilityChanged() override {
    if (!form()->visible()) {
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
    if (fullScreen()) {
      enterFullScreen();
    } else {
      show();
    }
    activateWindow();
    showPixelRatio();
  }

  // Full screen: the client area scaled to fill the screen, centred on
  // the dark surround; back in its own window, as it was.
  void screenModeChanged() override {
    if (!control_ || !form()->visible()) return;
    if (fullScreen()) {
      enterFullScreen();
    } else if (fullScreenShown_) {
      fullScreenShown_ = false;
      showNormal();
      geometryChanged();
      form()->dispatchPlacement(devicePixelRatioF(), 0, 0);
      update();
    }
  }

  void raised() override {
    raise();
    activateWindow();
  }

  void overlayChanged() override {
    if (!overlay_) overlay_ = new OverlayWidget(*form(), this);
    overlay_->setGeometry(rect());
    overlay_->raise();
    overlay_->show();
    overlay_->update(
        onWidget(*form(), form()->overlayChangedArea(), devicePixelRatioF()).toAlignedRect());
  }

  void captionChanged() override { setWindowTitle(QString::fromStdString(form()->caption())); }
  // The window is named by its title; its close box is the window manager's.
  void accessibleChanged() override {}
  void announced() override { announceOn(*this, form()->announcement()); }

  void coloursChanged() override { update(); }

  void pictureChanged() override {
    const QPixmap icon = picturePixmap(form()->style().icon, 1.0);
    if (!icon.isNull()) setWindowIcon(QIcon(icon));
  }

  // The scale of the screen the window is on, told to the core, which
  // draws every picture box again at it; in full screen, the screen's
  // size over the client area's.
  void showPixelRatio() {
    if (!control_) return;
    if (fullScreenShown_) {
      placeOnScreen();
    } else {
      form()->dispatchPixelRatio(devicePixelRatioF());
    }
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
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (fullScreenShown_) placeOnScreen();
  }
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    if (fullScreenShown_) {
      painter.fillRect(rect(), toQColor(fullScreenSurround));
      const double ratio = devicePixelRatioF();
      const PixelArea client = form()->deviceRect();
      painter.fillRect(
          QRectF(clientOrigin(*form(), ratio), QSizeF(client.right / ratio, client.bottom / ratio)),
          toQColor(form()->style().backColor));
    } else {
      painter.fillRect(rect(), toQColor(form()->style().backColor));
    }
  }
  void mousePressEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseButton(*event, false); }
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

  void enterFullScreen() {
    if (!fullScreenShown_) {
      fullScreenShown_ = true;
      setMinimumSize(0, 0);
      setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Its size at once, not only once the window system has answered: the
    // controls are laid out on it straight away.
    if (QScreen* screen = this->screen()) setGeometry(screen->geometry());
    showFullScreen();
    placeOnScreen();
  }

  // The core fills the screen with the client area, centred; it is told
  // the screen in device pixels (its logical size is rounded).
  void placeOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen || !control_) return;
    const double ratio = devicePixelRatioF();
    forms::placeOnScreen(*form(), std::lround(screen->geometry().width() * ratio),
                         std::lround(screen->geometry().height() * ratio));
    update();
  }

  bool placed_ = false;
  QWidget* overlay_ = nullptr;  // a child: Qt deletes it with the window
  bool fullScreenShown_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) {
  auto* widget = new FormWidget(form);
  auto peer = std::make_unique<WidgetPeer>(widget, widget);
  showAll(*peer);
  widget->showPixelRatio();
  return peer;
}

}  // namespace forms::qt
