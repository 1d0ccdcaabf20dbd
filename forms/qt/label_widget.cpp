// A label: its caption in its own font and colour on a transparent
// background, wrapped like a classic label when wider than the label.
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
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
    const QString caption = QString::fromStdString(label()->caption());
    if (font().bold() && zoom() > 1.0) {
      drawEmboldened(painter, caption, option);
    } else {
      painter.drawText(QRectF(rect()), caption, option);
    }
  }

  // Enlarged (full screen), Qt draws large text from its glyphs' outlines
  // and leaves out the emboldening that a face without a bold weight gets
  // at other sizes: the outlines are widened here by as much as FreeType
  // widens them, a 24th of the size, on the same lines and places.
  void drawEmboldened(QPainter& painter, const QString& caption, const QTextOption& option) {
    QTextLayout layout(caption, font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width());
      line.setPosition(QPointF(0, top));
      top += line.height();
    }
    layout.endLayout();
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    for (const QGlyphRun& run : layout.glyphRuns()) {
      const QRawFont face = run.rawFont();
      const QList<quint32> glyphs = run.glyphIndexes();
      const QList<QPointF> places = run.positions();
      for (qsizetype i = 0; i < glyphs.size(); ++i) {
        outlines.addPath(face.pathForGlyph(glyphs[i]).translated(places[i]));
      }
    }
    const QColor colour = painter.pen().color();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, font().pixelSize() / 24.0, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(outlines);
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
