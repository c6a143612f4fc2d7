#pragma once
// What a page builder needs: the game (its screen model and state, read only by the
// widgets), the render table to bind its widgets into, and the engine's door that every
// click goes through (the window repaints what changed after each action).
#include "game/control_views.h"
#include "game.h"
#include "player_actions.h"

class QWidget;

namespace zrx {

struct PageContext {
  Game& game;
  ControlViews& views;
  PlayerActions& actions;
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
