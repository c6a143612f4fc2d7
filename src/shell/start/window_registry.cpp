#include "start/window_registry.h"

#include "about/form_version.h"
#include "dialogs/form_bye.h"
#include "game/form_main.h"
#include "game/menu_table.h"
#include "screens/form_save_load.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "texts/form_fixed_text.h"
#include "welcome/form_settings.h"

namespace zrx {
namespace {

// A window that needs nothing but the program to open.
template <typename Window>
void registerPlain(WindowOpener& opener, int code) {
  opener.registerWindow(code, [](Program& owner, QWidget* parent) { return std::make_unique<Window>(owner, parent); });
}

}  // namespace

void RegisterWindows(Program& program) {
  WindowOpener& opener = program.opener();
  opener.registerWindow(kWindowBye, [](Program& owner, QWidget* parent) {
    return std::make_unique<TFormBye>(owner, parent);
  });
  registerPlain<TFormVersion>(opener, kWindowVersion);
  registerPlain<TFormIntro>(opener, kWindowIntro);
  registerPlain<TFormRules>(opener, kWindowRules);
  registerPlain<TFormThanks>(opener, kWindowThanks);
  registerPlain<TFormInfo>(opener, kWindowInfo);
  registerPlain<TFormRepair>(opener, kWindowRepair);
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
  // These windows come back through their menu commands, which set up what the window needs
  // (the new-game command, the mode of the save window, the hand-over between the
  // introduction and the rules).
  for (const int window : {kWindowNewGame, kWindowLoad, kWindowSave, kWindowVersion, kWindowThanks, kWindowIntro,
                           kWindowInfo, kWindowRules, kWindowRepair}) {
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
