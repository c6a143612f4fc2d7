#pragma once
// The digits of the installation's settings line that a running game reads.
#include <string>

#include "game_state.h"

namespace zrx {

void ApplySettingsLine(const std::string& line, GameSettings& settings);

}  // namespace zrx
