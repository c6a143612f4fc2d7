#include "screens/new_game_window.h"

#include "game.h"
#include "screens/form_new_game.h"
#include "start/program.h"
#include "start/window_opener.h"

namespace zrx {

std::optional<NewGameChoice> RunNewGameScreen(Program& program) {
  std::optional<NewGameChoice> chosen;
  program.opener().FormNyitas(kWindowNewGame, [&chosen](Program& owner, QWidget* parent) -> std::unique_ptr<TFormZRXBase> {
    auto window = std::make_unique<TFormNewGame>(owner, parent);
    if (!window->listPackages()) return nullptr;
    QObject::connect(window.get(), &QDialog::finished, window.get(),
                     [&chosen, screen = window.get()] { chosen = screen->choice(); });
    return window;
  });
  // A package that failed its check or its book list ends the program through the error window.
  if (program.game().errors.FatalErrorFlag()) {
    program.showErrorWindow();
    return std::nullopt;
  }
  return chosen;
}

}  // namespace zrx
