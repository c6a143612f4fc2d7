#include "access/menu_interfaces.h"

#include <QLabel>

#include "access/button_interface.h"
#include "access/drawn_interfaces.h"
#include "game/main_menu.h"
#include "game/menu_table.h"

namespace zrx {
namespace {

// A menu item: its key from the shortcut label beside it; the items that switch something
// on or off are check items whose mark stands in that label.
class MenuItemInterface : public ButtonInterface {
 public:
  MenuItemInterface(QAbstractButton* item, int code) : ButtonInterface(item), code_(code) {}

  QAccessible::Role role() const override { return QAccessible::MenuItem; }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Accelerator) {
      QString key = shortcut();
      if (key.startsWith(QString::fromUtf8(kMenuCheckMark))) key.remove(0, QString::fromUtf8(kMenuCheckMark).size());
      return key.trimmed();
    }
    return ButtonInterface::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = ButtonInterface::state();
    if (MenuEntryCheckable(code_)) {
      s.checkable = true;
      s.checked = shortcut().startsWith(QString::fromUtf8(kMenuCheckMark));
    }
    return s;
  }

 private:
  QString shortcut() const {
    const QWidget* panel = widget()->parentWidget();
    const auto* label = panel ? panel->findChild<QLabel*>(QString("LabelMenuGyors%1").arg(code_)) : nullptr;
    return label ? label->text().trimmed() : QString();
  }

  int code_;
};

class MenuTitleInterface : public ButtonInterface {
 public:
  using ButtonInterface::ButtonInterface;
  QAccessible::Role role() const override { return QAccessible::MenuItem; }
};

// The panel's title is the caption of the menu title of the same number.
QString panelName(const QWidget& panel) {
  const QString number = panel.objectName().mid(QString("PanelMenu").size());
  const auto* title = panel.window()->findChild<QAbstractButton*>("LabelMainMenu" + number);
  return title ? SpokenCaption(title->text()) : QString();
}

}  // namespace

QAccessibleInterface* MenuInterfaceFor(QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  const QString name = widget->objectName();
  if (auto* item = qobject_cast<MenuItemLabel*>(widget)) {
    return new MenuItemInterface(item, name.mid(QString("LabelMenu").size()).toInt());
  }
  if (name.startsWith("LabelMainMenu")) {
    if (auto* title = qobject_cast<QAbstractButton*>(widget)) return new MenuTitleInterface(title);
  }
  if (name.startsWith("PanelMenu")) {
    return new DrawnInterface(widget, QAccessible::PopupMenu, [widget] { return panelName(*widget); });
  }
  if (name == "PanelMainMenu") {
    return new DrawnInterface(widget, QAccessible::MenuBar, [] { return QString("Menü"); });
  }
  return nullptr;
}

}  // namespace zrx
