#pragma once
// The new-game screen as a text dialog: package, book and difficulty are asked in turn
// (or taken from the "új" command's arguments). "mégse" cancels, "vissza" goes back from
// the book to the package.
#include <optional>

#include "ui_port.h"

namespace zrx {

class Session;

std::optional<NewGameChoice> RunNewGameDialog(Session& session);

}  // namespace zrx
