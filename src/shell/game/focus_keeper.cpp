#include "game/focus_keeper.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <array>
#include <vector>

namespace zrx {
namespace {

// Per page, in the order the player presses them: the next round before a roll, the
// number field or the continuation list before the arrow.
const std::array<std::vector<const char*>, 7> kPressOrder{{
    {"EditNext", "ListBoxNext"},
    {},
    {"LabelTargyFelvetel", "LabelTargyKivalasztas", "ListBox_FT"},
    {"BitBtn5", "LabelDobas1Kocka", "LabelDobas2Kocka", "LabelDobas3Kocka", "LabelDobas4Kocka", "LabelSzProba",
     "LabelSpecFegyver", "LabelMenekules"},
    {"ListBox_IN"},
    {"ListBox_VK"},
    {},
}};

bool usable(const QWidget& w) { return w.isVisible() && w.isEnabled() && w.focusPolicy() != Qt::NoFocus; }

}  // namespace

QWidget* NextPressable(QWidget& page, int pageIndex) {
  if (pageIndex < 0 || pageIndex >= static_cast<int>(kPressOrder.size())) return nullptr;
  for (const char* name : kPressOrder[static_cast<std::size_t>(pageIndex)]) {
    auto* candidate = page.findChild<QWidget*>(name);
    if (candidate && usable(*candidate)) return candidate;
  }
  return nullptr;
}

namespace {

void focusNextPressable(QTabWidget& pages) {
  QWidget* page = pages.currentWidget();
  if (page == nullptr) return;
  QWidget* next = NextPressable(*page, pages.currentIndex());
  (next ? next : static_cast<QWidget*>(pages.tabBar()))->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void KeepFocusOnPage(QWidget* before, QTabWidget& pages) {
  if (before == nullptr || usable(*before) || before->window() != pages.window()) return;
  focusNextPressable(pages);
}

void FocusOnOpenedPage(QTabWidget& pages) {
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->window() != pages.window()) return;  // another window has the keyboard
  const QWidget* page = pages.currentWidget();
  if (focus != nullptr && (focus == pages.tabBar() || (page != nullptr && page->isAncestorOf(focus)))) return;
  focusNextPressable(pages);
}

bool SwitchPageByKey(QTabWidget& pages, int key, Qt::KeyboardModifiers modifiers) {
  if (!(modifiers & Qt::ControlModifier) || pages.count() == 0) return false;
  int step = 0;
  if (key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier)) step = 1;
  if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))) step = -1;
  if (step == 0) return false;
  pages.setCurrentIndex((pages.currentIndex() + step + pages.count()) % pages.count());
  return true;
}

}  // namespace zrx
