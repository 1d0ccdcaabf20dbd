// Command buttons and option buttons, drawn by the platform. Their clicks,
// selection and keyboard go through the toolkit, which owns their state.
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "forms/qt/fonts.h"
#include "forms/qt/peers.h"
#include "forms/qt/widget_peer.h"

namespace forms::qt {

namespace {

class CommandButtonWidget : public QPushButton, public PeerWidget {
 public:
  CommandButtonWidget(CommandButton& button, QWidget* parent)
      : QPushButton(parent), PeerWidget(button) {
    setFont(defaultControlFont());
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
      if (control_) control_->dispatchClick();
    });
  }

  void syncAppearance() override {
    if (auto* button = static_cast<CommandButton*>(control_)) {
      setText(QString::fromStdString(button->Caption()));
    }
  }

 protected:
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QPushButton::event(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    QPushButton::focusInEvent(event);
    focusArrived();
  }
};

class OptionButtonWidget : public QRadioButton, public PeerWidget {
 public:
  OptionButtonWidget(OptionButton& option, QWidget* parent)
      : QRadioButton(parent), PeerWidget(option) {
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

  void syncAppearance() override {
    auto* option = static_cast<OptionButton*>(control_);
    if (!option) return;
    setText(QString::fromStdString(option->Caption()));
    setChecked(option->Value());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(option->BackColor()));
    colours.setColor(QPalette::WindowText, toQColor(systemColor(8)));
    setPalette(colours);
  }

 protected:
  // A click selects through the toolkit; the check mark follows its state.
  void nextCheckState() override {}
  bool event(QEvent* event) override {
    if (routeKey(*event, control_)) return true;
    return QRadioButton::event(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    focusArrived();
  }
};

}  // namespace

std::unique_ptr<ControlPeer> makeCommandButtonPeer(CommandButton& button, QWidget* parent) {
  return mirror<CommandButtonWidget>(button, parent);
}

std::unique_ptr<ControlPeer> makeOptionButtonPeer(OptionButton& option, QWidget* parent) {
  return mirror<OptionButtonWidget>(option, parent);
}

}  // namespace forms::qt
