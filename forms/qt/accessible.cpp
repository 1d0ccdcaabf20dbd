// What Qt's accessibility tells a screen reader of the widgets the toolkit
// draws itself. A plain QWidget reads as a "client" area with no name of
// its own; a picture box the keyboard reaches is a button to the child
// (a card, a piece of metal), a named picture is a graphic, and a label
// says its caption. An option button, which the toolkit keeps from
// clearing its group (so Qt takes it for a check box), is a radio button
// again. Command buttons keep Qt's own interface, named by
// QWidget::setAccessibleName.
#include "forms/qt/accessible.h"

#include <QAccessibleWidget>
#include <QPushButton>

#include "forms/form.h"
#include "forms/qt/control_widget.h"

namespace forms::qt {

namespace {

QAccessible::Role qtRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Window:
      return QAccessible::Window;
    case AccessibleRole::Button:
      return QAccessible::Button;
    case AccessibleRole::RadioButton:
      return QAccessible::RadioButton;
    case AccessibleRole::Picture:
      return QAccessible::Graphic;
    case AccessibleRole::Text:
      return QAccessible::StaticText;
    case AccessibleRole::None:
      break;
  }
  return QAccessible::Client;
}

class ControlAccessible : public QAccessibleWidget {
 public:
  ControlAccessible(QWidget* widget, ControlWidget& shown)
      : QAccessibleWidget(widget), shown_(shown) {}

  QAccessible::Role role() const override {
    return shown_.control() ? qtRole(shown_.control()->accessibleRole()) : QAccessible::Client;
  }

  QString text(QAccessible::Text t) const override {
    const Control* control = shown_.control();
    // Without a name of its own, a label or an option is read by its caption.
    if (t == QAccessible::Name && control && control->accessibleName().empty()) {
      if (const auto* label = dynamic_cast<const Label*>(control)) {
        return QString::fromStdString(label->caption());
      }
      if (const auto* option = dynamic_cast<const OptionButton*>(control)) {
        return QString::fromStdString(option->caption());
      }
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (const auto* option = dynamic_cast<const OptionButton*>(shown_.control())) {
      state.checkable = true;
      state.checked = option->value();
    }
    return state;
  }

  // A screen reader's "press" does what Enter does on a card or a piece
  // of metal (opens the shape, or lights the burner at the aim), and
  // selects an option as a click does.
  QStringList actionNames() const override {
    if (role() == QAccessible::Button || role() == QAccessible::RadioButton) {
      return {pressAction()};
    }
    return QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    Control* control = shown_.control();
    if (action != pressAction() || !control || !actionNames().contains(action)) {
      QAccessibleWidget::doAction(action);
      return;
    }
    if (control->kind() == ControlKind::OptionButton) {
      control->dispatchClick();
      return;
    }
    Form& form = control->form();
    form.setFocus(control);
    form.dispatchKey(Key::Enter);
  }

 private:
  ControlWidget& shown_;
};

// The form's announcement: a notification that shows, unseen, each time
// the program has something to say.
class AnnouncementWidget : public QWidget {
 public:
  explicit AnnouncementWidget(QWidget* form) : QWidget(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
  }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
  if (auto* announcement = dynamic_cast<AnnouncementWidget*>(object)) {
    return new QAccessibleWidget(announcement, QAccessible::Notification);
  }
  // Command buttons are Qt's own.
  auto* widget = qobject_cast<QWidget*>(object);
  auto* shown = dynamic_cast<ControlWidget*>(object);
  if (!widget || !shown || qobject_cast<QPushButton*>(object)) return nullptr;
  return new ControlAccessible(widget, *shown);
}

}  // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(&accessibleFor);
}

void announceOn(QWidget& form, const std::string& text) {
  QWidget* announcement = nullptr;
  for (QObject* child : form.children()) {
    if (auto* found = dynamic_cast<AnnouncementWidget*>(child)) announcement = found;
  }
  if (!announcement) announcement = new AnnouncementWidget(&form);
  // Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came
  // with 6.8): a notification's name changes and it shows again, which the
  // platform passes on (AT-SPI: a notification showing, which Orca reads).
  announcement->hide();
  announcement->setAccessibleName(QString::fromStdString(text));
  announcement->show();
}

}  // namespace forms::qt
