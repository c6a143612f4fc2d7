#pragma once
// The game window's menu bar: three titles (LabelMainMenu1..3), each opening a drop-down
// panel (PanelMenu1..3) of item labels (LabelMenu11..35) with their shortcut labels
// (LabelMenuGyors11..35). The item under the mouse or the keyboard is highlighted
// (MenuSzinezes); arrows and Enter work inside an open panel (MenuPanelBillentyuzetFigyeles).
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QWidget;

namespace zrx::shell {

class LinkButton;

class MainMenu : public QObject {
  Q_OBJECT
 public:
  // The titles go into `titleRow`; the panels float over `window`.
  MainMenu(QWidget* titleRow, QWidget* window, std::function<void(int code)> choose);

  void open(int menu, bool byKeyboard);  // menu 0..2
  void closeAll();
  // The open panel, -1 for none.
  int openMenu() const { return openMenu_; }
  // Keys while a panel is open; true when the key was used.
  bool MenuPanelBillentyuzetFigyeles(int key);
  // True when a press at this global point falls inside the open panel or its title.
  bool containsGlobal(const QPoint& global) const;

  LinkButton* item(int code) const;
  QLabel* shortcutLabel(int code) const;
  QFrame* panel(int menu) const { return panels_[static_cast<std::size_t>(menu)]; }
  // The highlighted row of the open panel, -1 for none.
  int highlightedRow() const { return row_; }

 private:
  struct Item {
    int code;
    LinkButton* label;
    QLabel* shortcut;
  };
  void MenuSzinezes(int row);
  void moveRow(int step);
  void choose(int code);
  std::vector<Item>& itemsOf(int menu) { return items_[static_cast<std::size_t>(menu)]; }

  QWidget* window_;
  std::function<void(int)> choose_;
  std::vector<LinkButton*> titles_;
  std::vector<QFrame*> panels_;
  std::vector<std::vector<Item>> items_;
  int openMenu_ = -1;
  int row_ = -1;
};

}  // namespace zrx::shell
