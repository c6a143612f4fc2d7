#include "page_texts.h"

#include <cstdio>

namespace zrx {
namespace {

std::string outOf(int part, int whole) { return std::to_string(part) + " / " + std::to_string(whole); }

}  // namespace

std::string PercentText(double chance) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", 100.0 * chance);
  std::string result = text;
  if (const auto dot = result.find('.'); dot != std::string::npos) result[dot] = ',';
  return result;
}

std::vector<TextRow> OddsRows(const PageOdds& odds) {
  std::vector<TextRow> rows;
  if (odds.battle) {
    const BattleOdds& b = *odds.battle;
    rows.emplace_back("Esély a Csata megnyerésére:",
                      PercentText(b.winChance) +
                          (b.exact ? " (pontos számítás)" : " (" + std::to_string(b.runs) + " lejátszott Csata alapján)"));
  }
  rows.emplace_back("Esély a sikeres Szerencse próbára:",
                    PercentText(odds.luckChance) + " (Szerencse: " + std::to_string(odds.luck) + ")");
  return rows;
}

std::vector<TextRow> StatisticsRows(const GameStatistics& s) {
  return {
      {"Bejárt FejezetPontok:", outOf(s.chaptersVisited, s.chaptersInBook)},
      {"Megtett lépések:", std::to_string(s.steps)},
      {"Csaták (győzelem / menekülés / vereség):",
       std::to_string(s.battlesWon) + " / " + std::to_string(s.battlesFled) + " / " + std::to_string(s.battlesLost)},
      {"Megvívott Fordulók:", std::to_string(s.roundsFought)},
      {"Szerencse próbák (sikeres / összes):", outOf(s.luckTestsPassed, s.luckTests)},
      {"Dobott kockák:", std::to_string(s.diceThrown)},
      {"Szerzett / elvesztett tárgyak:", std::to_string(s.itemsGained) + " / " + std::to_string(s.itemsLost)},
      {"Játékidő:", PlayedTimeText(s.secondsPlayed)},
  };
}

}  // namespace zrx
