// Command buttons and option buttons, drawn by the platform. A system
// button keeps its own pressed look and hit test, over exactly its
// rectangle as the core's hit test has it; its clicks, selection and
// keyboard go through the toolkit, which owns their state.
#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "forms/qt/control_widget.h"
#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"

namespace forms::qt {

namespace {

class CommandButtonWidget : public QPushButton, public ControlWidget {
 public:
  CommandButtonWidget(CommandButton& button, QWidget* parent)
      : QPushButton(parent), ControlWidget(button, *this) {
    setFont(defaultControlFont());
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
      if (control_) control_->dispatchClick();
    });
  }

  void captionChanged() override {
    setText(QString::fromStdString(static_cast<CommandButton*>(control_)->caption()));
  }
  void fontChanged() override { setFont(defaultControlFont(zoom())); }

 protected:
  bool hitButton(const QPoint& at) const override { return rect().contains(at); }
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QPushButton::event(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    QPushButton::focusInEvent(event);
    if (control_) focusArrived(*control_);
  }
};

// The platform's look, with an option's mark and the gap after it grown
// as much as its caption's face when the window is enlarged (full
// screen): the style sizes them for the screen's ratio alone.
class ZoomedMarks : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    const auto* shown = dynamic_cast<const ControlWidget*>(widget);
    const bool mark = metric == PM_ExclusiveIndicatorWidth ||
                      metric == PM_ExclusiveIndicatorHeight || metric == PM_RadioButtonLabelSpacing;
    return mark && shown ? static_cast<int>(std::lround(size * shown->zoom())) : size;
  }
};

QStyle* zoomedMarks() {
  static QStyle* style = [] {
    auto* made = new ZoomedMarks;
    made->setParent(qApp);
    return made;
  }();
  return style;
}

class OptionButtonWidget : public QRadioButton, public ControlWidget {
 public:
  OptionButtonWidget(OptionButton& option, QWidget* parent)
      : QRadioButton(parent), ControlWidget(option, *this) {
    setStyle(zoomedMarks());
    setFont(defaultControlFont());
    // The toolkit keeps the group: Qt must neither clear siblings nor
    // toggle this one itself.
    setAutoExclusive(false);
    // Its own background colour fills its whole rectangle, as the layout
    // gives it (a button's background role would be the platform's grey).
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QRadioButton::clicked, this, [this] {
      if (control_) control_->dispatchClick();
    });
  }

  OptionButton* option() const { return static_cast<OptionButton*>(control_); }

  void captionChanged() override { setText(QString::fromStdString(option()->caption())); }
  void fontChanged() override { setFont(defaultControlFont(zoom())); }
  void coloursChanged() override {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(option()->backColor()));
    colours.setColor(QPalette::WindowText, toQColor(systemColor(8)));
    setPalette(colours);
  }
  void valueChanged() override { setChecked(option()->value()); }

 protected:
  // The whole rectangle takes the click, as the core's hit test says, not
  // only the indicator and the caption's text.
  bool hitButton(const QPoint& at) const override { return rect().contains(at); }
  // A click selects through the toolkit; the check mark follows its state.
  void nextCheckState() override {}
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QRadioButton::event(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    if (control_) focusArrived(*control_);
  }
};

}  // namespace

std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button, QWidget* parent) {
  return makeWidgetPeer<CommandButtonWidget>(button, parent);
}

std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option, QWidget* parent) {
  return makeWidgetPeer<OptionButtonWidget>(option, parent);
}

}  // namespace forms::qt
