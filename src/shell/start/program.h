#pragma once
// The running program: the engine's game context and everything the windows share (the
// settings as applied, the window services, the resources, the three start-up windows).
// main() makes one; every window reaches the rest through it.
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <utility>

#include "book_loader.h"
#include "clock.h"
#include "dice.h"
#include "game.h"
#include "player_actions.h"
#include "settings_line.h"

namespace zrx {

class OwnDice;
class QtUiPort;
class Resources;
class TFormError;
class TFormMain;
class TFormWelcome;
class WindowOpener;
class WindowServices;

// The application title, shown over the program's windows and message boxes.
inline constexpr char kApplicationTitle[] = "ZRX";

class Program : public QObject {
  Q_OBJECT
 public:
  // `dice` and `clock` are injected by tests; production passes none and gets the
  // clock-seeded dice and the system clock.
  explicit Program(std::filesystem::path folder, std::unique_ptr<Dice> dice = nullptr,
                   std::unique_ptr<Clock> clock = nullptr);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  Game& game() { return *game_; }
  // The engine's door: every click of every window goes through it.
  PlayerActions& actions() { return *actions_; }
  // The game's dice source, with the switch of the player's own dice.
  OwnDice& ownDice() { return *ownDice_; }
  const Clock& clock() const { return *clock_; }
  QtUiPort& ui() { return *ui_; }
  WindowServices& services() { return *services_; }
  WindowOpener& opener() { return *opener_; }
  Resources& resources() { return *resources_; }

  // The ten settings as they are in effect; applying them also tells the game and the
  // windows (story text size and colour, placement, cursors, fade-in, pointer centring).
  const SettingsLine& settings() const { return settings_; }
  void applySettings(const SettingsLine& settings);

  const std::string& playerName() const { return game_->state.PlayerName; }
  void setPlayerName(const std::string& name);

  // The three windows made at start-up, in this order; the welcome window is the program's
  // main window (closing it ends the program).
  void createStartWindows();
  TFormWelcome* welcome() const;
  TFormMain* mainWindow() const;
  TFormError* errorWindow() const;

  // The quit-confirmed flag: set by the quit confirmation and the error window, read by the
  // welcome window's close.
  bool quitConfirmed() const { return quitConfirmed_; }
  void setQuitConfirmed() { quitConfirmed_ = true; }
  // Sets the quit-confirmed flag and closes the welcome window, which ends the program.
  void endProgram();
  // Ends the program the way a confirmed "Kilépés" does (a running game is ended first),
  // without asking: a termination signal asks for it.
  void endAsQuit();

  // The return text of a minimised window: what it showed, for the reopened window.
  void setReturnText(const QString& text) { returnText_ = text; }
  QString takeReturnText() { return std::exchange(returnText_, QString()); }

  // Shows the error window with the reported errors; its closing ends the program.
  void showErrorWindow();

  // The window the player sees as the program: the game window once signed in, the
  // welcome window before. Restoring or raising the program acts on it.
  QWidget* frontWindow() const;
  // Minimises the whole program (a sub-window was minimised).
  void minimiseProgram();
  // Brings the program back from the taskbar and to the front (a second start asked it).
  void restoreAndRaise();

 signals:
  // The settings changed; windows showing story text or cursors update themselves.
  void settingsApplied();
  void playerNameChanged(const QString& name);

 private:
  std::filesystem::path folder_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Dice> dice_;
  PackageBookLoader loader_;
  std::unique_ptr<QtUiPort> ui_;
  std::unique_ptr<OwnDice> ownDice_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<PlayerActions> actions_;
  std::unique_ptr<Resources> resources_;
  std::unique_ptr<WindowServices> services_;
  std::unique_ptr<WindowOpener> opener_;
  SettingsLine settings_;
  bool quitConfirmed_ = false;
  QString returnText_;
  QPointer<TFormWelcome> welcome_;
  QPointer<TFormMain> main_;
  QPointer<TFormError> error_;
};

}  // namespace zrx
