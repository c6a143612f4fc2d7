#pragma once
// The texts of the odds and the statistics, shared by every front end.
#include <string>
#include <utility>
#include <vector>

#include "game_statistics.h"
#include "page_odds.h"

namespace zrx {

// A caption and its value, one line of a panel.
using TextRow = std::pair<std::string, std::string>;

// A chance as a Hungarian percentage with one decimal: "58,3%".
std::string PercentText(double chance);

// The battle's line (only while one is at hand) and the luck test's line.
std::vector<TextRow> OddsRows(const PageOdds& odds);

std::vector<TextRow> StatisticsRows(const GameStatistics& stats);

}  // namespace zrx
