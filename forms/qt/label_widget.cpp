// A label: its caption in its own font and colour on a transparent
// background, wrapped like a classic label when wider than the label.
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"
#include "forms/qt/widget_peer.h"

namespace forms::qt {

namespace {

class LabelWidget : public QWidget, public PeerWidget {
 public:
  LabelWidget(Label& label, QWidget* parent) : QWidget(parent), PeerWidget(label) {}

  void syncAppearance() override { update(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    auto* label = static_cast<Label*>(control_);
    if (!label) return;
    QPainter painter(this);
    painter.setFont(toQFont(label->font()));
    painter.setPen(toQColor(label->ForeColor()));
    // Between words where there are spaces, between any two characters of
    // Japanese text, and anywhere inside a word too long for one line.
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(rect()), QString::fromStdString(label->Caption()), option);
  }
  void mousePressEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressed(*event); }
  void mouseReleaseEvent(QMouseEvent* event) override { mouseReleased(*this, *event); }
};

}  // namespace

std::unique_ptr<ControlPeer> makeLabelPeer(Label& label, QWidget* parent) {
  return mirror<LabelWidget>(label, parent);
}

}  // namespace forms::qt
