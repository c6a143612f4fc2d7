#pragma once
// The ways into the book editor: "Történet Szerkesztő" in the game window's menu and
// `zrx --edit SOURCE.yaml`.
#include <filesystem>
#include <optional>

class QWidget;

namespace zrx {

class TFormEditor;

// Shows the editor window of `owner` (one per owner; a new one without an owner), on
// `file` when given. The window goes when it is closed.
TFormEditor* OpenEditorWindow(QWidget* owner, const std::optional<std::filesystem::path>& file = std::nullopt);

}  // namespace zrx
