// The conformance suite's probe over Qt: the form's window grabbed as
// pixels, and mouse and key events sent to its window the way the
// platform sends them.
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "forms/backend_support.h"
#include "forms/probe.h"
#include "forms/qt/control_widget.h"
#include "forms/qt/widgets.h"

namespace forms::testing {

namespace {

QWidget& widget(const Control& control) {
  QWidget* w = qt::widgetOf(control);
  if (!w) throw std::logic_error("the control has no widget");
  return *w;
}

// Twips of the client area to the window's logical pixels: through the
// ratio and origin the form is shown with (full screen: centred, enlarged).
QPointF windowPoint(const Form& form, float x, float y) {
  const double ratio = widget(form).devicePixelRatioF();
  if (form.clientLeft() == 0 && form.clientTop() == 0 && form.pixelRatio() == ratio) {
    return QPointF(x / twipsPerPixel, y / twipsPerPixel);
  }
  return QPointF((form.clientLeft() + x / twipsPerPixel * form.pixelRatio()) / ratio,
                 (form.clientTop() + y / twipsPerPixel * form.pixelRatio()) / ratio);
}

Qt::MouseButton qtButton(std::int16_t button) {
  switch (button) {
    case rightButton:
      return Qt::RightButton;
    case middleButton:
      return Qt::MiddleButton;
    default:
      return Qt::LeftButton;
  }
}

Qt::KeyboardModifiers qtModifiers(std::int16_t shift) {
  Qt::KeyboardModifiers modifiers;
  if (shift & shiftHeld) modifiers |= Qt::ShiftModifier;
  if (shift & ctrlHeld) modifiers |= Qt::ControlModifier;
  if (shift & altHeld) modifiers |= Qt::AltModifier;
  return modifiers;
}

// The buttons held down, as a window system reports them with every press
// and release: a right press while the left is down holds both. (A test
// lets go of every button it presses.)
Qt::MouseButtons heldButtons;

void sendMouse(const Form& form, QEvent::Type type, float x, float y, std::int16_t button,
               std::int16_t shift) {
  QWidget& w = widget(form);
  // What the window system has said by now (the window became active, so
  // a click can give a button the focus) arrives before the click.
  QCoreApplication::processEvents();
  QWindow* window = w.windowHandle();
  if (!window) throw std::logic_error("the form has no window");
  const QPointF at = windowPoint(form, x, y);
  const Qt::MouseButton which = qtButton(button);
  heldButtons.setFlag(which, type == QEvent::MouseButtonPress);
  QMouseEvent event(type, at, at, w.mapToGlobal(at), which, heldButtons, qtModifiers(shift));
  QApplication::sendEvent(window, &event);
}

AccessibleRole toolkitRole(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Window:
      return AccessibleRole::Window;
    case QAccessible::Button:
      return AccessibleRole::Button;
    case QAccessible::RadioButton:
      return AccessibleRole::RadioButton;
    case QAccessible::Graphic:
      return AccessibleRole::Picture;
    case QAccessible::StaticText:
      return AccessibleRole::Text;
    default:
      return AccessibleRole::None;
  }
}

class QtProbe : public Probe {
 public:
  Screenshot screenshot(const Form& form) override {
    QImage image = widget(form).grab().toImage().convertToFormat(QImage::Format_RGB32);
    Screenshot shot;
    if (form.clientLeft() != 0 || form.clientTop() != 0) {
      // Full screen: the client area where it is centred on the screen.
      const PixelArea client = form.deviceRect();
      image = image.copy(form.clientLeft(), form.clientTop(), client.right, client.bottom);
    }
    // Full screen draws at the form's own ratio, not the screen's, even
    // where the client area fills the whole screen.
    image.setDevicePixelRatio(form.pixelRatio());
    shot.width = image.width();
    shot.height = image.height();
    shot.ratio = image.devicePixelRatio();
    shot.pixels.reserve(static_cast<std::size_t>(shot.width) * shot.height);
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        shot.pixels.push_back(rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
      }
    }
    return shot;
  }

  void press(Form& form, float x, float y, std::int16_t button, std::int16_t shift) override {
    sendMouse(form, QEvent::MouseButtonPress, x, y, button, shift);
  }

  void release(Form& form, float x, float y, std::int16_t button) override {
    sendMouse(form, QEvent::MouseButtonRelease, x, y, button, 0);
  }

  void key(Form& form, Key key, std::int16_t shift) override {
    QWidget* target = widget(form).focusWidget();
    if (!target) target = &widget(form);
    const int code = qt::qtKeyOf(key);
    const Qt::KeyboardModifiers modifiers =
        key == Key::BackTab ? Qt::ShiftModifier : qtModifiers(shift);
    const QString text = code == Qt::Key_Space    ? QStringLiteral(" ")
                         : code == Qt::Key_Return ? QStringLiteral("\r")
                                                  : QString();
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &release);
  }

  void closeBox(Form& form) override {
    QCloseEvent close;
    QApplication::sendEvent(&widget(form), &close);
  }

  int platformObjectCount() override { return static_cast<int>(QApplication::allWidgets().size()); }

  const Control* platformFocus(const Form& form) override {
    QWidget* focus = widget(form).focusWidget();
    if (!focus) return nullptr;
    for (Control* c : form.controls()) {
      if (qt::widgetOf(*c) == focus) return c;
    }
    return nullptr;
  }

  bool shownSelected(const OptionButton& option) override {
    auto* radio = qobject_cast<QRadioButton*>(&widget(option));
    return radio && radio->isChecked();
  }

  ShownCursor cursorAt(const Form& form, float x, float y) override {
    QWidget& window = widget(form);
    QWidget* under = window.childAt(windowPoint(form, x, y).toPoint());
    const QCursor cursor = (under ? under : &window)->cursor();
    ShownCursor shown;
    shown.custom = cursor.shape() == Qt::BitmapCursor;
    if (shown.custom) {
      shown.hotX = cursor.hotSpot().x();
      shown.hotY = cursor.hotSpot().y();
      const QSizeF size = cursor.pixmap().deviceIndependentSize();
      shown.width = static_cast<int>(size.width());
      shown.height = static_cast<int>(size.height());
    }
    return shown;
  }

  ShownWindow window(const Form& form) override {
    QWidget& w = widget(form);
    ShownWindow shown;
    shown.title = w.windowTitle().toStdString();
    shown.clientWidth = w.width();
    shown.clientHeight = w.height();
    shown.visible = w.isVisible();
    shown.resizable = w.minimumSize() != w.maximumSize();
    shown.minimiseButton = w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
    shown.maximiseButton = w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
    shown.hasIcon = !w.windowIcon().isNull();
    return shown;
  }

  ShownFont font(const Label& label) override {
    const QFont font = widget(label).font();
    return {QFontInfo(font).family().toStdString(), font.pixelSize(), font.bold()};
  }

  ScreenSize screenOf(const Form& form) override {
    const QWidget& w = widget(form);
    QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    const double ratio = w.devicePixelRatioF();
    return {static_cast<int>(std::lround(screen->geometry().width() * ratio)),
            static_cast<int>(std::lround(screen->geometry().height() * ratio))};
  }

  // Read through Qt's accessibility interfaces, as the platform's bridge
  // reads them for a screen reader.
  ShownAccessible accessible(const Control& control) override {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&widget(control));
    if (!shown) return {};
    return {shown->text(QAccessible::Name).toStdString(),
            shown->text(QAccessible::Description).toStdString(), toolkitRole(shown->role())};
  }

  // The window's shown notification.
  std::string announced(const Form& form) override {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&widget(form));
    for (int i = 0; window && i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      if (child && child->role() == QAccessible::Notification && !child->state().invisible) {
        return child->text(QAccessible::Name).toStdString();
      }
    }
    return {};
  }

  bool moveToScreenOfRatio(Form& form, double ratio) override {
    QWidget& w = widget(form);
    for (QScreen* screen : QGuiApplication::screens()) {
      if (std::abs(screen->devicePixelRatio() - ratio) > 1e-9) continue;
      if (screen == w.screen()) return true;
      w.windowHandle()->setScreen(screen);
      w.move(screen->geometry().topLeft() + QPoint(10, 10));
      QCoreApplication::sendPostedEvents();
      return std::abs(w.devicePixelRatioF() - ratio) < 1e-9;
    }
    return false;
  }

  int runEventLoop(const std::function<void()>& first, int timeoutMs) override {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, first);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    start.start(0);
    guard.start(timeoutMs);
    return QApplication::exec();
  }

  void leaveEventLoop() override { QCoreApplication::exit(0); }
};

}  // namespace

Probe& probe() {
  static QtProbe qtProbe;
  return qtProbe;
}

}  // namespace forms::testing
