#pragma once
// An element drawn inside a widget (a list row, a tab): it has no object or children of
// its own and can be pressed. Its widget keeps one interface per index for its life,
// since a screen reader holds on to them.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPoint>

namespace zrx {

class LeafInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  // The widget that draws it, and its place there.
  virtual const QWidget* owner() const = 0;
  virtual int index() const = 0;
};

class LeafCache {
 public:
  LeafCache() = default;
  LeafCache(const LeafCache&) = delete;
  LeafCache& operator=(const LeafCache&) = delete;
  ~LeafCache() {
    for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
  }

  // The interface of `index`, made by `make()` the first time.
  template <typename Make>
  QAccessibleInterface* at(int index, Make make) {
    auto found = ids_.constFind(index);
    if (found != ids_.constEnd()) return QAccessible::accessibleInterface(*found);
    QAccessibleInterface* leaf = make();
    ids_.insert(index, QAccessible::registerAccessibleInterface(leaf));
    return leaf;
  }

 private:
  QHash<int, QAccessible::Id> ids_;
};

// A widget whose children are leaves by index (a tab row's tabs, a list's rows).
class LeafParentInterface : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  int childCount() const override { return leafCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= leafCount()) return nullptr;
    return leaves_.at(index, [&] { return makeLeaf(index); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* leaf = dynamic_cast<const LeafInterface*>(child);
    return leaf && leaf->owner() == widget() && leaf->isValid() ? leaf->index() : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override { return child(leafAt(QPoint(x, y))); }
  QAccessibleInterface* focusChild() const override { return widget()->hasFocus() ? child(currentLeaf()) : nullptr; }

 protected:
  virtual int leafCount() const = 0;
  virtual LeafInterface* makeLeaf(int index) const = 0;
  // The leaf under a point in screen coordinates; -1 for none.
  virtual int leafAt(QPoint global) const = 0;
  virtual int currentLeaf() const = 0;

 private:
  mutable LeafCache leaves_;
};

}  // namespace zrx
