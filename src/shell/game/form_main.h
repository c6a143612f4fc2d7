#pragma once
// TFormMain: the game window. The menu bar, the four command buttons and the seven pages
// render the engine's screen model; the window holds no game state. Every click runs a
// player action through the engine's door (PlayerActions); after each action the controls
// that changed repaint.
#include <functional>
#include <memory>
#include <string>

#include "control_views.h"
#include "player_actions.h"
#include "style/form_zrx_base.h"

class QTabWidget;

namespace zrx {

class Game;
class MainMenu;
class PageSignalTicker;
class ReadAloud;
class SignalTabBar;
struct PageContext;

class TFormMain : public TFormZRXBase, private ActionObserver {
  Q_OBJECT
 public:
  static constexpr QSize kMainDesignSize{800, 600};
  // The dialog result of the introduction and rules windows when they were left by their
  // link to the other one.
  static constexpr int kLeftByLink = 2;

  explicit TFormMain(Program& program, QWidget* parent = nullptr);
  ~TFormMain() override;

  // The return code the welcome window sets before it shows this window (1: signed in).
  void setReturnCode(int code) { returnCode_ = code; }
  int returnCode() const { return returnCode_; }

  // Runs engine code that is not a player's click (the screenshot walk and tests set up
  // their games with it) through the engine's dispatcher, and repaints what changed.
  void perform(const std::function<void()>& action);
  // Repaints the controls whose model changed; the number of controls repainted.
  int refresh();

  // A menu item (or its key or command button) by code.
  void runMenu(int code);
  // The help of the control under a right-button press; false when it has none.
  bool GlobalMouseDown(QWidget* pressed);
  // Every action that waits (the greyed save button, the next round, flight, taking the
  // offered items, a continuation waiting for a test) tells why in its tooltip.
  void explainWaitingActions();
  // `MainFormKurzorBeallitas`: every control's cursor as the settings ask.
  void MainFormKurzorBeallitas();

  MainMenu& menu() { return *menu_; }
  PageSignalTicker& signalTicker() { return *ticker_; }
  SignalTabBar& tabRow() { return *tabs_; }
  QTabWidget& pages() { return *pages_; }
  ControlViews& views() { return views_; }
  ReadAloud& readAloud() { return *readAloud_; }

 protected:
  bool canClose() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void actionEnded(const PlayerAction& action, ActionOutcome outcome) override;
  void buildLayout();
  QWidget* buildCommandButtons(QWidget* parent);
  void bindWindowControls();
  void openWindow(int code);
  // After a new game or a load: the focus goes to what the shown page offers to press next.
  void focusStoryAfterStart();
  void onPageChanged(int page);
  void applyStoryTextStyle();
  // F4 where saving is refused: the reason, as the save button's tooltip gives it.
  void tellRefusedSave();
  // "Visszalépés": the step back, or a notice of why there is none.
  void stepBack();
  bool handleKeyRelease(int key);

  Game& game_;
  PlayerActions& actions_;
  ControlViews views_;
  std::unique_ptr<PageContext> context_;  // the pages' widgets keep referring to it
  MainMenu* menu_ = nullptr;
  SignalTabBar* tabs_ = nullptr;
  QTabWidget* pages_ = nullptr;
  PageSignalTicker* ticker_ = nullptr;
  ReadAloud* readAloud_ = nullptr;
  int returnCode_ = 0;
  int pressedKey_ = 0;  // a key release counts only after its press reached this window
  bool altAlone_ = false;
  bool rendering_ = false;
};

}  // namespace zrx
