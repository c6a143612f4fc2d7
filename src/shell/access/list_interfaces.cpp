#include "access/list_interfaces.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>

namespace zrx {

ListInterface::ListInterface(QListWidget* list) : LeafParentInterface(list, QAccessible::List) {}

QListWidget* ListInterface::list() const { return static_cast<QListWidget*>(widget()); }

int ListInterface::leafCount() const { return list()->count(); }

LeafInterface* ListInterface::makeLeaf(int index) const { return new ListRowInterface(list(), index); }

int ListInterface::leafAt(QPoint global) const {
  const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(global));
  return index.isValid() ? index.row() : -1;
}

int ListInterface::currentLeaf() const { return list()->currentRow(); }

bool ListRowInterface::isValid() const { return !list_.isNull() && row_ < list_->count(); }

QWindow* ListRowInterface::window() const { return list_ ? list_->window()->windowHandle() : nullptr; }

QAccessibleInterface* ListRowInterface::parent() const { return QAccessible::queryAccessibleInterface(list_); }

QString ListRowInterface::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  const QListWidgetItem* item = list_->item(row_);
  if (t == QAccessible::Name) return item->text();
  if (t == QAccessible::Description) return item->toolTip();
  return {};
}

QRect ListRowInterface::rect() const {
  if (!isValid()) return {};
  const QRect local = list_->visualItemRect(list_->item(row_));
  return QRect(list_->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ListRowInterface::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  s.selectable = true;
  s.focusable = true;
  s.selected = list_->item(row_)->isSelected();
  s.focused = list_->hasFocus() && list_->currentRow() == row_;
  s.active = list_->currentRow() == row_;
  s.disabled = !list_->isEnabled();
  s.invisible = !list_->isVisible();
  return s;
}

QStringList ListRowInterface::actionNames() const {
  if (!isValid() || !list_->isEnabled()) return {};
  return {pressAction(), setFocusAction()};
}

void ListRowInterface::doAction(const QString& actionName) {
  if (!isValid() || !list_->isEnabled()) return;
  list_->setFocus(Qt::OtherFocusReason);
  list_->setCurrentRow(row_);
  if (actionName != pressAction()) return;
  // The row acts as a player's Enter on it would.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(list_, &enter);
}

QStringList ListRowInterface::keyBindingsForAction(const QString& actionName) const {
  if (actionName == pressAction()) return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
  return {};
}

}  // namespace zrx
