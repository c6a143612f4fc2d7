#pragma once
// What a page builder needs: the game (its screen model and state, read only by the
// widgets), the render table to bind its widgets into, and the way to run an engine
// action (through the dispatcher, followed by a repaint of what changed).
#include <functional>

#include "game/control_views.h"
#include "game.h"

class QWidget;

namespace zrx {

struct PageContext {
  Game& game;
  ControlViews& views;
  std::function<void(const std::function<void()>&)> perform;
};

// The seven pages, each a tab sheet named TabSheet1..TabSheet7.
QWidget* BuildStoryPage(PageContext& context);
QWidget* BuildSheetPage(PageContext& context);
QWidget* BuildEquipmentPage(PageContext& context);
QWidget* BuildTestsPage(PageContext& context);
QWidget* BuildInformationPage(PageContext& context);
QWidget* BuildMagicPage(PageContext& context);
QWidget* BuildSpecialPage(PageContext& context);

}  // namespace zrx
