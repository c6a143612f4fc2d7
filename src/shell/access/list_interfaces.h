#pragma once
// The program's list boxes as a screen reader sees them: a list whose rows are items of
// their own. Pressing a row makes it the current and selected row and acts on it as Enter
// does (the continuation list then takes exactly that continuation).
#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>

#include "access/leaf_interface.h"

namespace zrx {

class ListInterface : public LeafParentInterface {
 public:
  explicit ListInterface(QListWidget* list);

 protected:
  int leafCount() const override;
  LeafInterface* makeLeaf(int index) const override;
  int leafAt(QPoint global) const override;
  int currentLeaf() const override;

 private:
  QListWidget* list() const;
};

class ListRowInterface : public LeafInterface {
 public:
  ListRowInterface(QListWidget* list, int row) : list_(list), row_(row) {}

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

  const QWidget* owner() const override { return list_; }
  int index() const override { return row_; }

 private:
  QPointer<QListWidget> list_;
  int row_;
};

}  // namespace zrx
