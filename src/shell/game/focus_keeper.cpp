#include "game/focus_keeper.h"

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

void KeepFocusOnPage(QWidget* before, QTabWidget& pages) {
  if (before == nullptr || usable(*before) || before->window() != pages.window()) return;
  QWidget* page = pages.currentWidget();
  if (page == nullptr) return;
  QWidget* next = NextPressable(*page, pages.currentIndex());
  (next ? next : static_cast<QWidget*>(pages.tabBar()))->setFocus(Qt::OtherFocusReason);
}

}  // namespace zrx
