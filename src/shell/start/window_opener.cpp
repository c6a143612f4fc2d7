#include "start/window_opener.h"

#include "game.h"
#include "start/program.h"
#include "style/form_zrx_base.h"
#include "style/window_services.h"

namespace zrx {
namespace {

// Windows that need a sound installation: an error already reported keeps them shut.
bool needsSoundInstallation(int code) {
  return code == kWindowNewGame || code == kWindowSave || code == kWindowLoad || code == kWindowSettings;
}

}  // namespace

WindowOpener::WindowOpener(Program& program) : program_(program) {
  // Restoring after the quit confirmation was minimised asks again through the game
  // window's close.
  registerRestoreAction(kWindowBye, [this] {
    if (QWidget* front = program_.frontWindow()) front->close();
  });
}

void WindowOpener::registerWindow(int code, Factory factory) { factories_[code] = std::move(factory); }

void WindowOpener::registerRestoreAction(int code, RestoreAction action) { restoreActions_[code] = std::move(action); }

int WindowOpener::FormNyitas(int code) {
  const auto factory = factories_.find(code);
  if (factory == factories_.end()) {
    program_.game().state.PendingWindow = 1;
    return 0;
  }
  return FormNyitas(code, factory->second);
}

int WindowOpener::FormNyitas(int code, const Factory& factory) {
  GameState& state = program_.game().state;
  // A window opened from another one hands `PendingWindow` back to it when it closes.
  const int outer = state.PendingWindow == 1 ? 1 : 0;
  state.PendingWindow = 1;
  if (needsSoundInstallation(code) && program_.game().errors.FatalErrorFlag()) {
    state.PendingWindow = outer;
    return 0;
  }
  std::unique_ptr<TFormZRXBase> window = factory(program_, program_.frontWindow());
  if (!window) return 0;
  window->setWindowCode(code);
  program_.services().AblakPozBeallitas(*window);
  const int result = window->exec();
  if (state.PendingWindow >= 2) {
    program_.minimiseProgram();
  } else {
    // A closed window leaves nothing to reopen on a later restore.
    state.PendingWindow = outer;
  }
  return result;
}

void WindowOpener::RestoreHandler() {
  GameState& state = program_.game().state;
  const int code = state.PendingWindow;
  const auto action = restoreActions_.find(code);
  if (action == restoreActions_.end()) return;
  state.PendingWindow = 0;
  action->second();
}

}  // namespace zrx
