#include "game/main_menu.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "game/control_render.h"
#include "style/look_colours.h"
#include "style/link_label.h"
#include "game/menu_table.h"

namespace zrx {
namespace {

constexpr int kPanelWidth = 240;

// Highlights an item while the mouse is over it.
class HoverFilter : public QObject {
 public:
  HoverFilter(QObject* parent, std::function<void()> onEnter) : QObject(parent), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Enter) onEnter_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onEnter_;
};

}  // namespace

MenuItemLabel::MenuItemLabel(const QString& objectName, const QString& text, QWidget* parent) : LinkLabel(text, parent) {
  setObjectName(objectName);
  setColoursFromLook(true);
  colour();
}

void MenuItemLabel::setHighlighted(bool highlighted) {
  if (highlighted_ == highlighted) return;
  highlighted_ = highlighted;
  colour();
}

void MenuItemLabel::colour() {
  if (!isEnabled()) setColours(Look().disabled);
  else setColours(highlighted_ ? Look().menuHighlightText : Look().command);
}

void MenuItemLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) colour();
  LinkLabel::changeEvent(event);
}

void MenuItemLabel::paintEvent(QPaintEvent* event) {
  if (highlighted_) QPainter(this).fillRect(rect(), Look().menuHighlight);
  LinkLabel::paintEvent(event);
}

MainMenu::MainMenu(QWidget* titleRow, QWidget* window, std::function<void(int code)> onChoose)
    : QObject(window), window_(window), choose_(std::move(onChoose)), items_(kMenuCount) {
  auto* row = new QHBoxLayout(titleRow);
  row->setContentsMargins(6, 0, 6, 0);
  for (int menu = 0; menu < kMenuCount; ++menu) {
    // Named before its caption is set: accessibility tells a title by its name.
    auto* title = new LinkLabel(QString(), titleRow);
    title->setObjectName(QString("LabelMainMenu%1").arg(menu + 1));
    title->setText(ToQString(MenuTitles()[static_cast<std::size_t>(menu)]));
    title->setColours(Qt::white, QColor(255, 255, 160));
    title->setBold(true);
    title->setFocusPolicy(Qt::NoFocus);
    connect(title, &LinkLabel::clicked, this, [this, menu] { openMenu_ == menu ? closeAll() : open(menu, false); });
    row->addWidget(title);
    titles_.push_back(title);

    auto* panel = new QFrame(window);
    panel->setObjectName(QString("PanelMenu%1").arg(menu + 1));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setFixedSize(kPanelWidth, kMenuPanelHeights[static_cast<std::size_t>(menu)]);
    auto* lines = new QVBoxLayout(panel);
    lines->setContentsMargins(2, 2, 2, 2);
    lines->setSpacing(0);
    panel->hide();
    panels_.push_back(panel);
  }
  row->addStretch(1);

  for (const MenuEntry& entry : MenuEntries()) {
    const int menu = entry.code / 10 - 1;
    QFrame* panel = panels_[static_cast<std::size_t>(menu)];
    auto* line = new QHBoxLayout;
    auto* label = new MenuItemLabel(QString("LabelMenu%1").arg(entry.code), ToQString(entry.caption), panel);
    label->setFocusPolicy(Qt::NoFocus);
    auto* shortcut = new QLabel(ToQString(entry.shortcut), panel);
    shortcut->setObjectName(QString("LabelMenuGyors%1").arg(entry.code));
    line->addWidget(label, 1);
    line->addWidget(shortcut);
    qobject_cast<QVBoxLayout*>(panel->layout())->addLayout(line);
    const int row = static_cast<int>(itemsOf(menu).size());
    itemsOf(menu).push_back({entry.code, label, shortcut});
    connect(label, &LinkLabel::clicked, this, [this, code = entry.code] { choose(code); });
    label->installEventFilter(new HoverFilter(label, [this, row] { MenuSzinezes(row); }));
  }
  applyLook();
  // Each panel is at least its classic height and never shorter than its items need.
  for (int menu = 0; menu < kMenuCount; ++menu) {
    QFrame* panel = panels_[static_cast<std::size_t>(menu)];
    panel->ensurePolished();  // the items' fonts and the frame as they will be drawn
    panel->setFixedHeight(std::max(kMenuPanelHeights[static_cast<std::size_t>(menu)], panel->sizeHint().height()));
  }
}

void MainMenu::applyLook() {
  const LookColours& look = Look();
  const QColor border = look.highContrast ? look.frame : look.menuHighlight;
  for (QFrame* panel : panels_) {
    panel->setStyleSheet(QString("QFrame#%1 { background: %2; border: 1px solid %3; }")
                             .arg(panel->objectName(), look.menuPanel.name(), border.name()));
  }
}

void MainMenu::open(int menu, bool byKeyboard) {
  closeAll();
  if (menu < 0 || menu >= kMenuCount) return;
  QFrame* panel = panels_[static_cast<std::size_t>(menu)];
  const QPoint below = titles_[static_cast<std::size_t>(menu)]->mapTo(window_, QPoint(0, titles_[static_cast<std::size_t>(menu)]->height()));
  panel->move(below);
  panel->raise();
  panel->show();
  openMenu_ = menu;
  MenuSzinezes(byKeyboard ? 0 : -1);
  if (byKeyboard) panel->setFocus();
}

void MainMenu::closeAll() {
  for (QFrame* panel : panels_) panel->hide();
  if (openMenu_ >= 0) MenuSzinezes(-1);
  openMenu_ = -1;
  row_ = -1;
}

void MainMenu::MenuSzinezes(int row) {
  if (openMenu_ < 0) return;
  row_ = row;
  const std::vector<Item>& items = itemsOf(openMenu_);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    items[static_cast<std::size_t>(i)].label->setHighlighted(i == row);
  }
}

void MainMenu::moveRow(int step) {
  const int count = static_cast<int>(itemsOf(openMenu_).size());
  MenuSzinezes(row_ < 0 ? (step > 0 ? 0 : count - 1) : (row_ + step + count) % count);
}

bool MainMenu::MenuPanelBillentyuzetFigyeles(int key) {
  if (openMenu_ < 0) return false;
  switch (key) {
    case Qt::Key_Down: moveRow(1); return true;
    case Qt::Key_Up: moveRow(-1); return true;
    case Qt::Key_Right: open((openMenu_ + 1) % kMenuCount, true); return true;
    case Qt::Key_Left: open((openMenu_ + kMenuCount - 1) % kMenuCount, true); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (row_ >= 0) choose(itemsOf(openMenu_)[static_cast<std::size_t>(row_)].code);
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Escape:
      closeAll();
      return true;
    default: return false;
  }
}

bool MainMenu::containsGlobal(const QPoint& global) const {
  if (openMenu_ < 0) return false;
  const QWidget* panel = panels_[static_cast<std::size_t>(openMenu_)];
  const QWidget* title = titles_[static_cast<std::size_t>(openMenu_)];
  return panel->rect().contains(panel->mapFromGlobal(global)) || title->rect().contains(title->mapFromGlobal(global));
}

MenuItemLabel* MainMenu::item(int code) const {
  for (const auto& items : items_) {
    for (const Item& item : items) {
      if (item.code == code) return item.label;
    }
  }
  return nullptr;
}

QLabel* MainMenu::shortcutLabel(int code) const {
  for (const auto& items : items_) {
    for (const Item& item : items) {
      if (item.code == code) return item.shortcut;
    }
  }
  return nullptr;
}

void MainMenu::choose(int code) {
  // Selecting an item first hides its panel.
  closeAll();
  if (const MenuEntry* entry = MenuEntryByCode(code); entry && item(code)->isEnabled()) choose_(code);
}

}  // namespace zrx
