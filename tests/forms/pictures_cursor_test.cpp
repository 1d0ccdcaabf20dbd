// The pictures compiled into the program load in the test program as in
// the executable, and the metal shows the flame-and-cross cursor while idle.
#include <doctest/doctest.h>

#include <QIcon>
#include <QPixmap>

#include "forms/qt/pictures.h"
#include "forms/testing.h"
#include "qt_probe.h"
#include "test_form.h"

using forms::Picture;
using forms::testing::Session;
using formstest::TestForm;

TEST_CASE("the lamp icon, the flame-and-cross icon and the menu picture are compiled in") {
  Session session;
  for (const char* name : {"lamp.ico", "fire.ico"}) {
    CAPTURE(name);
    const QPixmap icon = forms::qt::picturePixmap(Picture{name}, 1.0);
    REQUIRE_FALSE(icon.isNull());
    CHECK(icon.size() == QSize(32, 32));
    // Drawn smoothly for a 200 % screen: twice the pixels, same size.
    const QPixmap sharp = forms::qt::picturePixmap(Picture{name}, 2.0);
    CHECK(sharp.size() == QSize(64, 64));
    CHECK(sharp.deviceIndependentSize() == QSizeF(32, 32));
  }
  const QPixmap menu = forms::qt::picturePixmap(Picture{"menu.gif"}, 1.0);
  REQUIRE_FALSE(menu.isNull());
  CHECK(menu.size() == QSize(129, 178));
  CHECK(forms::qt::picturePixmap(Picture{"missing.gif"}, 1.0).isNull());
}

TEST_CASE("a window carries its icon, caption and fixed size") {
  Session session;
  auto style = formstest::testStyle();
  style.icon = Picture{"lamp.ico"};
  style.clientWidth = 8640;
  style.clientHeight = 5610;
  TestForm form([](TestForm&) {}, style);
  form.Show();
  QWidget& window = formstest::widget(form);
  CHECK_FALSE(window.windowIcon().isNull());
  CHECK(window.windowTitle() == QString::fromUtf8("Velmora：テスト"));
  CHECK(window.size() == QSize(576, 374));
  CHECK(window.minimumSize() == window.maximumSize());
  CHECK_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  CHECK_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  // The physics reads the outer width: client plus the fixed frame.
  CHECK(form.Width() == 8730);
}

TEST_CASE("a marker shows its picture over its background") {
  Session session;
  forms::PictureBox* fire = nullptr;
  TestForm form([&](TestForm& f) {
    fire = f.make<forms::PictureBox>(f, forms::Rect{150, 150, 480, 480});
    fire->setBackColor(0x8080FF);
    fire->setPicture(Picture{"fire.ico"});
  });
  form.Show();
  const QImage image = formstest::rendered(form);
  const int all = formstest::countColour(image, fire->rect(), 0x8080FF) +
                  formstest::countColour(image, fire->rect(), 0x123456);
  const double ratio = image.devicePixelRatio();
  // Some of the box shows the icon, the rest the light-red background.
  CHECK(formstest::countColour(image, fire->rect(), 0x8080FF) > 0);
  CHECK(all < static_cast<int>(32 * ratio * 32 * ratio));
}

TEST_CASE("the custom cursor is set on the metal and reset to the arrow") {
  Session session;
  forms::PictureBox* field = nullptr;
  TestForm form([&](TestForm& f) {
    field = f.make<forms::PictureBox>(f, forms::Rect{150, 150, 1500, 900});
    field->setMouseIcon(forms::Cursor{Picture{"fire.ico"}, 16, 16});
    field->setMousePointer(forms::MousePointer::Custom);
  });
  form.Show();
  QWidget& widget = formstest::widget(*field);
  CHECK(widget.cursor().shape() == Qt::BitmapCursor);
  CHECK(widget.cursor().hotSpot() == QPoint(16, 16));
  field->setMousePointer(forms::MousePointer::Default);
  CHECK(widget.cursor().shape() == Qt::ArrowCursor);
  field->setMousePointer(forms::MousePointer::Custom);
  CHECK(widget.cursor().shape() == Qt::BitmapCursor);
}
