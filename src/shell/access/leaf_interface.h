#pragma once
// An element drawn inside a widget (a list row, a tab): it has no object or children of
// its own and can be pressed. Its widget keeps one interface per index for its life,
// since a screen reader holds on to them.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QHash>

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

}  // namespace zrx
