#include "editor/editor_launch.h"

#include "editor/form_editor.h"

namespace zrx {

TFormEditor* OpenEditorWindow(QWidget* owner, const std::optional<std::filesystem::path>& file) {
  TFormEditor* window = owner ? owner->findChild<TFormEditor*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!window) {
    window = new TFormEditor(owner);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  if (file) window->openSource(*file);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace zrx
