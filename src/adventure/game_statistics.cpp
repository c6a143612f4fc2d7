#include "game_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace zrx {

GameStatistics CollectStatistics(const Game& game) {
  const GameState& state = game.state;
  const GameTally& tally = state.tally;
  GameStatistics stats{.battlesWon = tally.BattlesWon, .battlesFled = tally.BattlesFled,
                       .battlesLost = tally.BattlesLost, .roundsFought = tally.RoundsFought,
                       .luckTests = tally.LuckTests, .luckTestsPassed = tally.LuckTestsPassed,
                       .diceThrown = tally.DiceThrown, .itemsGained = tally.ItemsGained,
                       .itemsLost = tally.ItemsLost};
  const TextList& path = state.navigation.VisitedPath;
  stats.steps = static_cast<int>(path.size());
  stats.chaptersVisited = static_cast<int>(std::set<std::string>(path.begin(), path.end()).size());
  stats.chaptersInBook = static_cast<int>(std::count_if(game.stores.chapters.begin(), game.stores.chapters.end(),
                                                        [](const auto& entry) { return entry.first >= 1; }));
  if (state.GameLoaded) {
    const double days = ToDayCount(game.clock().now()) - ToDayCount(tally.StartedAt);
    stats.secondsPlayed = std::max(0LL, std::llround(days * 86400.0));
  }
  return stats;
}

std::string PlayedTimeText(long long seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

}  // namespace zrx
