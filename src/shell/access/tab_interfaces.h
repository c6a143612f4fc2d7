#pragma once
// The game window's tab row as a screen reader sees it: a page tab list whose tabs are
// items of their own. A tab whose page waits for the player says so in its description
// ("vár rád") and in its state (animated, as it blinks); pressing a tab opens its page.
#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>

#include "access/leaf_interface.h"

namespace zrx {

class SignalTabBar;

class TabRowInterface : public LeafParentInterface {
 public:
  explicit TabRowInterface(SignalTabBar* tabs);

  // Named after the open page, as Qt names a tab bar.
  QString text(QAccessible::Text t) const override;

 protected:
  int leafCount() const override;
  LeafInterface* makeLeaf(int index) const override;
  int leafAt(QPoint global) const override;
  int currentLeaf() const override;

 private:
  SignalTabBar* tabs() const;
};

class TabInterface : public LeafInterface {
 public:
  TabInterface(SignalTabBar* tabs, int index);

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  const QWidget* owner() const override;
  int index() const override { return index_; }

 private:
  QPointer<SignalTabBar> tabs_;
  int index_;
};

}  // namespace zrx
