#include "access/button_interface.h"

#include <QAbstractButton>

#include "access/accessible_names.h"

namespace zrx {

QString SpokenCaption(QString caption) {
  caption.replace("&&", QChar(0x1));
  caption.remove('&');
  caption.replace(QChar(0x1), '&');
  return caption.simplified();
}

ButtonInterface::ButtonInterface(QAbstractButton* button, std::function<QString()> nameOf)
    : QAccessibleWidget(button, button->isCheckable() ? QAccessible::CheckBox : QAccessible::Button),
      nameOf_(std::move(nameOf)) {}

QAbstractButton* ButtonInterface::button() const { return static_cast<QAbstractButton*>(widget()); }

QString ButtonInterface::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      if (nameOf_) return nameOf_();
      // The caption wins over a name set once: captions change with the game.
      const QString caption = SpokenCaption(button()->text());
      return caption.isEmpty() ? widget()->accessibleName() : caption;
    }
    case QAccessible::Description: return AccessibleDescriptionOf(*widget());
    case QAccessible::Accelerator: return button()->shortcut().toString(QKeySequence::NativeText);
    default: return QAccessibleWidget::text(t);
  }
}

QAccessible::State ButtonInterface::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  if (button()->isCheckable()) {
    s.checkable = true;
    s.checked = button()->isChecked();
  }
  s.pressed = button()->isDown();
  return s;
}

QStringList ButtonInterface::actionNames() const {
  QStringList names;
  if (widget()->isEnabled()) {
    names << (button()->isCheckable() ? toggleAction() : pressAction());
  }
  return names + QAccessibleWidget::actionNames();
}

void ButtonInterface::doAction(const QString& actionName) {
  if (!widget()->isEnabled()) return;
  if (actionName == pressAction() || actionName == toggleAction()) {
    button()->click();
    return;
  }
  QAccessibleWidget::doAction(actionName);
}

QStringList ButtonInterface::keyBindingsForAction(const QString& actionName) const {
  if (actionName == pressAction() || actionName == toggleAction()) {
    return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
  }
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

}  // namespace zrx
