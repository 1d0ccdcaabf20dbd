// A form as a top-level window: fixed size, no minimise or maximise,
// centred, its background painted in its own colour.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"
#include "forms/qt/pictures.h"
#include "forms/qt/widget_peer.h"
#include "forms/qt/widgets.h"

namespace forms::qt {

namespace {

class FormWidget : public QWidget, public PeerWidget {
 public:
  explicit FormWidget(Form& form)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
        PeerWidget(form) {
    setFont(defaultControlFont());
  }

  void syncAppearance() override {
    if (!control_) return;
    const FormStyle& style = static_cast<Form*>(control_)->style();
    setWindowTitle(QString::fromStdString(style.caption));
    if (!style.icon.empty()) {
      setWindowIcon(QIcon(QString::fromLatin1(pictureResourcePrefix()) +
                          QString::fromStdString(style.icon.resource)));
    }
    update();
  }

 protected:
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QWidget::event(event);
  }
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(static_cast<Form*>(control_)->style().backColor));
  }
  void mousePressEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseReleased(*this, *event); }
  void closeEvent(QCloseEvent* event) override {
    // The frame's close box: the form decides what closing means.
    event->ignore();
    if (control_) static_cast<Form*>(control_)->dispatchCloseBox();
  }
};

class FormPeer : public WidgetPeer {
 public:
  FormPeer(Form& form, FormWidget* widget) : WidgetPeer(form, widget, widget) { syncAll(); }

  void geometryChanged() override {
    if (!widget()) return;
    const FormStyle& style = static_cast<Form&>(control()).style();
    widget()->setFixedSize(pixels(style.clientWidth), pixels(style.clientHeight));
  }

  void visibilityChanged() override {
    QWidget* w = widget();
    if (!w) return;
    Form& form = static_cast<Form&>(control());
    if (!form.Visible()) {
      w->hide();
      // Each loading of the form places it at the centre again.
      if (!form.loaded()) placed_ = false;
      return;
    }
    if (!placed_) {
      placeAtCentre(*w);
      placed_ = true;
    }
    w->show();
    // Brought to the front, where the offscreen test platform has a front.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
  }

 private:
  static void placeAtCentre(QWidget& w) {
    QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
  }

  bool placed_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> makeFormPeer(Form& form) {
  return std::make_unique<FormPeer>(form, new FormWidget(form));
}

}  // namespace forms::qt
