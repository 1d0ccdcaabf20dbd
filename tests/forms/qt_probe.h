// Looking at and poking the Qt windows the way the platform would: the
// rendered pixels of a form, and mouse and key events sent to its window.
#pragma once

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "forms/form.h"
#include "forms/qt/widgets.h"

namespace formstest {

inline QWidget& widget(const forms::Control& control) {
  QWidget* w = forms::qt::widgetOf(control);
  REQUIRE(w != nullptr);
  return *w;
}

// The form's client area as drawn, at the screen's pixel density.
inline QImage rendered(const forms::Form& form) { return widget(form).grab().toImage(); }

// The colour at a point given in twips of the form's client area.
inline forms::Color colourAt(const QImage& image, float x, float y) {
  const double ratio = image.devicePixelRatio();
  const QRgb c = image.pixel(static_cast<int>(std::floor(x / 15 * ratio)),
                             static_cast<int>(std::floor(y / 15 * ratio)));
  return forms::rgb(qRed(c), qGreen(c), qBlue(c));
}

// How many pixels of a rectangle (twips) have exactly this colour.
inline int countColour(const QImage& image, forms::Rect r, forms::Color colour) {
  const double ratio = image.devicePixelRatio();
  int count = 0;
  for (int y = static_cast<int>(r.top / 15 * ratio); y < (r.top + r.height) / 15 * ratio; ++y) {
    for (int x = static_cast<int>(r.left / 15 * ratio); x < (r.left + r.width) / 15 * ratio; ++x) {
      const QRgb c = image.pixel(x, y);
      count += forms::rgb(qRed(c), qGreen(c), qBlue(c)) == colour;
    }
  }
  return count;
}

// How many pixels of a rectangle (twips) are dark: small black text is
// smoothed at its edges, but its strokes are dark.
inline int countDark(const QImage& image, forms::Rect r) {
  const double ratio = image.devicePixelRatio();
  int count = 0;
  for (int y = static_cast<int>(r.top / 15 * ratio); y < (r.top + r.height) / 15 * ratio; ++y) {
    for (int x = static_cast<int>(r.left / 15 * ratio); x < (r.left + r.width) / 15 * ratio; ++x) {
      const QRgb c = image.pixel(x, y);
      count += qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
    }
  }
  return count;
}

// A real mouse event at a point of the form's window (logical pixels),
// delivered by Qt to whichever widget lies there.
inline void sendMouse(const forms::Form& form, QEvent::Type type, QPointF at,
                      Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
  QWidget& w = widget(form);
  QWindow* window = w.windowHandle();
  REQUIRE(window != nullptr);
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, at, at, w.mapToGlobal(at), button, held, modifiers);
  QApplication::sendEvent(window, &event);
}

inline void pressAndRelease(const forms::Form& form, QPointF at,
                            Qt::MouseButton button = Qt::LeftButton,
                            Qt::KeyboardModifiers modifiers = {}) {
  sendMouse(form, QEvent::MouseButtonPress, at, button, modifiers);
  sendMouse(form, QEvent::MouseButtonRelease, at, button, modifiers);
}

// A real key press and release on the widget that has the keyboard.
inline void sendKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, key == Qt::Key_Space ? " " : "");
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, key == Qt::Key_Space ? " " : "");
  QApplication::sendEvent(&target, &release);
}

}  // namespace formstest
