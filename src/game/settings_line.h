#pragma once
// The installation's ten settings, kept as one line of digits beside the player names.
// Each digit is the index of the chosen option of its group.
#include <array>
#include <string>
#include <string_view>

#include "game_state.h"

namespace zrx {

inline constexpr std::size_t kSettingsDigits = 10;
// Every option marked "(alap)".
inline constexpr std::string_view kDefaultSettingsLine = "1010000000";
// How many options each group offers; a digit is an index below its count.
inline constexpr std::array<int, kSettingsDigits> kSettingsOptionCounts = {3, 2, 3, 2, 8, 2, 2, 2, 2, 2};

struct SettingsLine {
  std::array<int, kSettingsDigits> digits = {1, 0, 1, 0, 0, 0, 0, 0, 0, 0};

  // Reads a stored line; a missing or out-of-range digit takes its default.
  static SettingsLine Parse(std::string_view line);
  std::string text() const;

  int changeSignalLevel() const { return digits[0]; }
  bool sendsMessages() const { return digits[1] == 0; }
  int saveInterval() const { return digits[2] * 10 + 3; }
  int storyTextPoints() const { return digits[3] == 1 ? 14 : 11; }
  // 0 black, 1 blue, 2 green, 3 red, 4 cyan, 5 magenta, 6 yellow, 7 high contrast (the whole
  // program in a high-contrast colour set, the story text white on black).
  int storyTextColour() const { return digits[4]; }
  bool dialogsOnDesktopCentre() const { return digits[5] == 0; }
  bool customCursors() const { return digits[6] == 0; }
  bool fadeIn() const { return digits[7] == 0; }
  bool pointerCentring() const { return digits[8] == 0; }
  bool stepLogging() const { return digits[9] == 0; }

  bool operator==(const SettingsLine&) const = default;
};

// The digits that the running game reads.
void ApplySettings(const SettingsLine& line, GameSettings& settings);

}  // namespace zrx
