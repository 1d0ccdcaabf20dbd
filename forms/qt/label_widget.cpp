// A label: its caption in its own font and colour on a transparent
// background, wrapped like a classic label when wider than the label.
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

#include "forms/qt/control_widget.h"
#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"

namespace forms::qt {

namespace {

class LabelWidget : public QWidget, public ControlWidget {
 public:
  LabelWidget(Label& label, QWidget* parent) : QWidget(parent), ControlWidget(label, *this) {}

  Label* label() const { return static_cast<Label*>(control_); }

  void captionChanged() override { update(); }
  void coloursChanged() override { update(); }
  void fontChanged() override {
    setFont(toQFont(label()->font(), zoom()));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!control_) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(toQColor(label()->foreColor()));
    // Between words where there are spaces, between any two characters of
    // Japanese text, and anywhere inside a word too long for one line.
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(rect()), QString::fromStdString(label()->caption()), option);
  }
  void mousePressEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mouseButton(*event, true); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseButton(*event, false); }
};

}  // namespace

std::unique_ptr<ControlPeer> makeLabelPeer(Label& label, QWidget* parent) {
  return makeWidgetPeer<LabelWidget>(label, parent);
}

}  // namespace forms::qt
