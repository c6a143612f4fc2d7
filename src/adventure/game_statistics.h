#pragma once
// The statistics of the game at hand, from its visited path, its tally and its clock.
#include <string>

#include "game.h"

namespace zrx {

struct GameStatistics {
  int chaptersVisited = 0;  // distinct numbered chapter points entered
  int chaptersInBook = 0;   // numbered chapter points of the book
  int steps = 0;            // chapter points entered, repetitions included
  int battlesWon = 0, battlesFled = 0, battlesLost = 0;
  int roundsFought = 0;
  int luckTests = 0, luckTestsPassed = 0;
  int diceThrown = 0;
  int itemsGained = 0, itemsLost = 0;
  long long secondsPlayed = 0;
};

GameStatistics CollectStatistics(const Game& game);

// "0:07:05": hours, minutes and seconds.
std::string PlayedTimeText(long long seconds);

}  // namespace zrx
