#include "start/window_registry.h"

#include "dialogs/form_bye.h"
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
  opener.registerRestoreAction(kWindowSettings, [&program] { program.opener().FormNyitas(kWindowSettings); });
}

}  // namespace zrx
