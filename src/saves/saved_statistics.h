#pragma once
// The "Speciális" page's statistics of a saved game: a file of their own beside the game
// file ("<name>.zrs"), so that the game file keeps its format. A save without one (made by
// an earlier version) loads with empty statistics.
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"
#include "game_state.h"
#include "save_folder.h"

namespace zrx {

inline constexpr std::string_view kStatisticsExtension = "zrs";

// One line: the tallies and the seconds played until `now`, separated by "|".
std::vector<std::string> ComposeStatisticsLines(const GameTally& tally, const DateTime& now);

// Restores the tallies; the start moment is set back by the seconds played. False, and
// the tally untouched, when the lines are not such a file.
bool ApplyStatisticsLines(const std::vector<std::string>& lines, const DateTime& now, GameTally& tally);

// Writes, reads and removes the statistics of the game file `fileName`. A missing or
// unreadable file leaves the tally as the load made it; failures here never stop a save.
void WriteStatistics(const SaveFolder& folder, const std::string& fileName, const GameTally& tally,
                     const DateTime& now);
void ReadStatistics(const SaveFolder& folder, const std::string& fileName, const DateTime& now, GameTally& tally);
void RemoveStatistics(const SaveFolder& folder, const std::string& fileName);

}  // namespace zrx
