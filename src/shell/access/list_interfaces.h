#pragma once
// The program's list boxes as a screen reader sees them: a list whose rows are items of
// their own. Pressing a row makes it the current and selected row and acts on it as Enter
// does (the continuation list then takes exactly that continuation).
#include <QAccessibleWidget>
#include <QHash>
#include <QListWidget>
#include <QPointer>

namespace zrx {

class ListInterface : public QAccessibleWidget {
 public:
  explicit ListInterface(QListWidget* list);
  ~ListInterface() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  QListWidget* list() const;
  mutable QHash<int, QAccessible::Id> rows_;
};

class ListRowInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ListRowInterface(QListWidget* list, int row) : list_(list), row_(row) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

  const QListWidget* list() const { return list_; }
  int row() const { return row_; }

 private:
  QPointer<QListWidget> list_;
  int row_;
};

}  // namespace zrx
