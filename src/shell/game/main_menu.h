#pragma once
// The game window's menu bar: three titles (LabelMainMenu1..3), each opening a drop-down
// panel (PanelMenu1..3) of item labels (LabelMenu11..35) with their shortcut labels
// (LabelMenuGyors11..35). The item under the mouse or the keyboard is highlighted
// (MenuSzinezes); arrows and Enter work inside an open panel (MenuPanelBillentyuzetFigyeles).
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "style/link_label.h"

class QFrame;
class QLabel;
class QWidget;

namespace zrx {

class LinkLabel;

// A menu item: a link drawn white on navy while highlighted (under the mouse or the keys).
class MenuItemLabel : public LinkLabel {
  Q_OBJECT
 public:
  MenuItemLabel(const QString& objectName, const QString& text, QWidget* parent);
  void setHighlighted(bool highlighted);
  bool highlighted() const { return highlighted_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void colour();
  bool highlighted_ = false;
};

class MainMenu : public QObject {
  Q_OBJECT
 public:
  // The titles go into `titleRow`; the panels float over `window`.
  MainMenu(QWidget* titleRow, QWidget* window, std::function<void(int code)> choose);

  // The panels' colours in the colour set in force.
  void applyLook();
  void open(int menu, bool byKeyboard);  // menu 0..2
  void closeAll();
  // The open panel, -1 for none.
  int openMenu() const { return openMenu_; }
  // Keys while a panel is open; true when the key was used.
  bool MenuPanelBillentyuzetFigyeles(int key);
  // True when a press at this global point falls inside the open panel or its title.
  bool containsGlobal(const QPoint& global) const;

  MenuItemLabel* item(int code) const;
  QLabel* shortcutLabel(int code) const;
  QFrame* panel(int menu) const { return panels_[static_cast<std::size_t>(menu)]; }
  // The highlighted row of the open panel, -1 for none.
  int highlightedRow() const { return row_; }

 private:
  struct Item {
    int code;
    MenuItemLabel* label;
    QLabel* shortcut;
  };
  void MenuSzinezes(int row);
  void moveRow(int step);
  void choose(int code);
  std::vector<Item>& itemsOf(int menu) { return items_[static_cast<std::size_t>(menu)]; }

  QWidget* window_;
  std::function<void(int)> choose_;
  std::vector<LinkLabel*> titles_;
  std::vector<QFrame*> panels_;
  std::vector<std::vector<Item>> items_;
  int openMenu_ = -1;
  int row_ = -1;
};

}  // namespace zrx
