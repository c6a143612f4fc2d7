#include "access/tab_interfaces.h"

#include "game/signal_tab_bar.h"

namespace zrx {

TabRowInterface::TabRowInterface(SignalTabBar* tabs) : LeafParentInterface(tabs, QAccessible::PageTabList) {}

SignalTabBar* TabRowInterface::tabs() const { return static_cast<SignalTabBar*>(widget()); }

QString TabRowInterface::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && tabs()->accessibleName().isEmpty()) return tabs()->tabText(tabs()->currentIndex());
  return QAccessibleWidget::text(t);
}

int TabRowInterface::leafCount() const { return tabs()->count(); }

LeafInterface* TabRowInterface::makeLeaf(int index) const { return new TabInterface(tabs(), index); }

int TabRowInterface::leafAt(QPoint global) const { return tabs()->tabAt(tabs()->mapFromGlobal(global)); }

int TabRowInterface::currentLeaf() const { return tabs()->currentIndex(); }

TabInterface::TabInterface(SignalTabBar* tabs, int index) : tabs_(tabs), index_(index) {}

const QWidget* TabInterface::owner() const { return tabs_; }

bool TabInterface::isValid() const { return !tabs_.isNull() && index_ < tabs_->count(); }

QWindow* TabInterface::window() const { return tabs_ ? tabs_->window()->windowHandle() : nullptr; }

QAccessibleInterface* TabInterface::parent() const { return QAccessible::queryAccessibleInterface(tabs_); }

QString TabInterface::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  if (t == QAccessible::Name) return tabs_->tabText(index_);
  if (t == QAccessible::Description) return tabs_->tabToolTip(index_);
  return {};
}

QRect TabInterface::rect() const {
  if (!isValid()) return {};
  const QRect local = tabs_->tabRect(index_);
  return QRect(tabs_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TabInterface::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  s.selectable = true;
  s.focusable = true;
  s.selected = tabs_->currentIndex() == index_;
  s.focused = s.selected && tabs_->hasFocus();
  s.disabled = !tabs_->isEnabled() || !tabs_->isTabEnabled(index_);
  s.invisible = !tabs_->isVisible() || !tabs_->isTabVisible(index_);
  // A page that waits for the player blinks its tab.
  s.animated = tabs_->tabColour(index_).isValid();
  return s;
}

QStringList TabInterface::actionNames() const {
  if (!isValid() || state().disabled) return {};
  return {pressAction(), setFocusAction()};
}

void TabInterface::doAction(const QString& actionName) {
  if (!isValid() || state().disabled) return;
  if (actionName == setFocusAction()) tabs_->setFocus(Qt::OtherFocusReason);
  // Opening the page is what a click on its tab does.
  else if (actionName == pressAction()) tabs_->setCurrentIndex(index_);
}

}  // namespace zrx
