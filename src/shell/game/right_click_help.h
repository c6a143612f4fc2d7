#pragma once
// Right-click help of the game window: three lines per control, shown in the comment strip.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zrx {

using HelpLines = std::array<std::string, 3>;

// The help of a control by its object name; the difficulty picks the variant of the
// difficulty labels, and an empty continuation list has no help. nullopt: no help.
std::optional<HelpLines> RightClickHelp(std::string_view controlName, int difficulty, bool continuationsEmpty);

// A doubled "&&" of a label text shows as one "&".
std::string SingleAmpersands(std::string text);

}  // namespace zrx
