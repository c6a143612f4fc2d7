#include "start/program.h"

#include "import/import_requests.h"

#include <QApplication>

#include "access/accessibility.h"
#include "dialogs/form_error.h"
#include "dialogs/qt_ui_port.h"
#include "dice/own_dice.h"
#include "game/form_main.h"
#include "lifecycle.h"
#include "resources/resources.h"
#include "start/restore_watcher.h"
#include "start/window_opener.h"
#include "start/window_registry.h"
#include "style/window_services.h"
#include "style/look_colours.h"
#include "welcome/form_welcome.h"

namespace zrx {

Program::Program(std::filesystem::path folder, std::unique_ptr<Dice> dice, std::unique_ptr<Clock> clock)
    : folder_(std::move(folder)),
      clock_(clock ? std::move(clock) : std::make_unique<SystemClock>()),
      dice_(dice ? std::move(dice) : std::make_unique<ClockSeededDice>()),
      loader_(folder_),
      ui_(std::make_unique<QtUiPort>(*this)),
      ownDice_(std::make_unique<OwnDice>(folder_, *ui_, *dice_)),
      game_(std::make_unique<Game>(folder_, *ui_, *ownDice_, *clock_, loader_)),
      actions_(std::make_unique<PlayerActions>(*game_)),
      resources_(std::make_unique<Resources>()),
      services_(std::make_unique<WindowServices>(*this)),
      opener_(std::make_unique<WindowOpener>(*this)) {
  InstallAccessibility();
  RegisterWindows(*this);
  ApplySettings(settings_, game_->state.settings);
  UseHighContrast(false);
}

Program::~Program() {
  delete error_.data();
  delete main_.data();
  delete welcome_.data();
}

void Program::applySettings(const SettingsLine& settings) {
  settings_ = settings;
  ApplySettings(settings_, game_->state.settings);
  UseHighContrast(settings_.storyTextColour() == kHighContrastTextColour);
  emit settingsApplied();
}

void Program::setPlayerName(const std::string& name) {
  game_->state.PlayerName = name;
  emit playerNameChanged(QString::fromStdString(name));
}

void Program::createStartWindows() {
  // The windows draw with the resources from their creation on; a failure is reported by
  // the welcome window when it shows.
  resources_->load();
  welcome_ = new TFormWelcome(*this);
  main_ = new TFormMain(*this);
  AcceptArchiveDrops(*this, *main_);
  new RestoreWatcher(*this, *main_);
  error_ = new TFormError(*this);
}

TFormWelcome* Program::welcome() const { return welcome_; }
TFormMain* Program::mainWindow() const { return main_; }
TFormError* Program::errorWindow() const { return error_; }

void Program::endProgram() {
  quitConfirmed_ = true;
  if (welcome_ != nullptr) {
    welcome_->close();
  } else {
    QApplication::quit();
  }
}

void Program::endAsQuit() {
  quitConfirmed_ = true;
  if (game_->state.GameLoaded) game_->Perform([this] { Lifecycle(*game_).Befejez(); });
  // Every event loop ends, a modal window's too; the windows go with the program.
  QCoreApplication::exit(0);
}

void Program::showErrorWindow() {
  if (error_ != nullptr) error_->showErrors(game_->errors);
}

QWidget* Program::frontWindow() const {
  if (main_ != nullptr && main_->isVisible()) return main_;
  if (main_ != nullptr && main_->isMinimized()) return main_;
  return welcome_;
}

void Program::minimiseProgram() {
  if (QWidget* front = frontWindow()) front->showMinimized();
}

void Program::restoreAndRaise() {
  QWidget* front = frontWindow();
  if (front == nullptr) return;
  if (front->isMinimized()) front->showNormal();
  front->raise();
  front->activateWindow();
  // An open dialog stays above its window, or the program looks frozen.
  if (QWidget* dialog = QApplication::activeModalWidget(); dialog != nullptr && dialog != front) {
    dialog->raise();
    dialog->activateWindow();
  }
}

}  // namespace zrx
