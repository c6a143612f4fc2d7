#include "start/window_registry.h"

#include "dialogs/form_bye.h"
#include "game/form_main.h"
#include "game/menu_table.h"
#include "screens/form_save_load.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "welcome/form_settings.h"

namespace zrx {

void RegisterWindows(Program& program) {
  WindowOpener& opener = program.opener();
  opener.registerWindow(kWindowBye, [](Program& owner, QWidget* parent) {
    return std::make_unique<TFormBye>(owner, parent);
  });
  opener.registerWindow(kWindowSettings, [](Program& owner, QWidget* parent) -> std::unique_ptr<TFormZRXBase> {
    auto window = std::make_unique<TFormSettings>(owner, parent);
    if (!window->load()) {
      owner.showErrorWindow();
      return nullptr;
    }
    return window;
  });
  for (const auto& [code, mode] : {std::pair{kWindowSave, SaveWindowMode::Save}, std::pair{kWindowLoad, SaveWindowMode::Load}}) {
    // A window without saves to load, or with an error, is not shown; the notice or the
    // error window has already been called for.
    opener.registerWindow(code, [mode](Program& owner, QWidget* parent) -> std::unique_ptr<TFormZRXBase> {
      auto window = std::make_unique<TFormSaveLoad>(owner, mode, parent);
      if (!window->readSaves()) return nullptr;
      return window;
    });
  }
  opener.registerRestoreAction(kWindowSettings, [&program] { program.opener().FormNyitas(kWindowSettings); });
  // The new-game, load and save windows come back through their menu commands, which set
  // up what the window needs (the new-game command, the mode of the save window).
  for (const int window : {kWindowNewGame, kWindowLoad, kWindowSave}) {
    opener.registerRestoreAction(window, [&program, window] {
      for (const MenuEntry& entry : MenuEntries()) {
        if (entry.windowCode != window) continue;
        if (TFormMain* main = program.mainWindow()) main->runMenu(entry.code);
        return;
      }
    });
  }
}

}  // namespace zrx
