#pragma once
// The game window: the menu bar, the four command buttons and the seven pages, rendering
// the engine's screen model. It holds no game state: every click runs an engine action
// through the dispatcher (perform) and then repaints the controls that changed.
#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "control_views.h"
#include "game.h"

class QPushButton;
class QTabWidget;

namespace zrx::shell {

class MainMenu;
struct PageContext;
class PageSignalTicker;
class SignalTabBar;

// What the game window asks of the rest of the desktop program.
struct GameWindowHooks {
  // Opens a window by window code, modally (FormNyitas); returns 1 when the window was left
  // by its link to the next one (introduction and rules), otherwise 0.
  std::function<int(int code)> formNyitas;
  // The quit confirmation; true when the player confirmed.
  std::function<bool()> confirmQuit;
  // The windows without a code.
  std::function<void()> openImportWindow;
  std::function<void()> openEditorWindow;
  // Gives every control its cursor again (after the settings).
  std::function<void()> applyCursors;
  // One of the two sword cursors, chosen at random; a default cursor when custom cursors are off.
  std::function<QCursor()> swordCursor;
  // Ends the program after the game window closed with the quit confirmed.
  std::function<void()> endProgram;
};

class TFormMain : public QWidget {
  Q_OBJECT
 public:
  TFormMain(Game& game, GameWindowHooks hooks, QWidget* parent = nullptr);
  ~TFormMain() override;

  // Runs one engine action through the dispatcher and repaints what changed.
  void perform(const std::function<void()>& action);
  // Repaints the controls whose model changed; the number of controls repainted.
  int refresh();

  // A menu item (or its key or command button) by code.
  void runMenu(int code);
  // The help of a control under a right-button press; false when it has none.
  bool GlobalMouseDown(QWidget* pressed);

  // The story text in the settings' size and colour.
  void setStoryTextStyle(int pointSize, const QColor& colour);

  MainMenu& menu() { return *menu_; }
  PageSignalTicker& signalTicker() { return *ticker_; }
  SignalTabBar& tabRow() { return *tabs_; }
  QTabWidget& pages() { return *pages_; }
  ControlViews& views() { return views_; }
  QTimer& titleTimer() { return titleTimer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  QWidget* buildCommandButtons();
  void bindWindowControls();
  void openWindow(int code);
  void onPageChanged(int page);
  void FormTalcaAnimalas();
  bool handleKeyRelease(int key);

  Game& game_;
  GameWindowHooks hooks_;
  ControlViews views_;
  std::unique_ptr<PageContext> context_;  // the pages' widgets keep referring to it
  MainMenu* menu_ = nullptr;
  SignalTabBar* tabs_ = nullptr;
  QTabWidget* pages_ = nullptr;
  PageSignalTicker* ticker_ = nullptr;
  QTimer titleTimer_;
  int titleStep_ = 0;
  int pressedKey_ = 0;   // a key release counts only after its press reached this window
  bool altAlone_ = false;
  bool rendering_ = false;
};

}  // namespace zrx::shell
