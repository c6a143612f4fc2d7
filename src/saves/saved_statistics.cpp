#include "saved_statistics.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zrx {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr std::size_t kFieldCount = 10;

std::array<int*, kFieldCount - 1> countsOf(GameTally& tally) {
  return {&tally.BattlesWon, &tally.BattlesFled,     &tally.BattlesLost, &tally.RoundsFought, &tally.LuckTests,
          &tally.LuckTestsPassed, &tally.DiceThrown, &tally.ItemsGained, &tally.ItemsLost};
}

long long secondsPlayed(const GameTally& tally, const DateTime& now) {
  const double days = ToDayCount(now) - ToDayCount(tally.StartedAt);
  return std::max(0LL, std::llround(days * kSecondsPerDay));
}

}  // namespace

std::vector<std::string> ComposeStatisticsLines(const GameTally& tally, const DateTime& now) {
  GameTally copy = tally;
  std::string line;
  for (int* count : countsOf(copy)) line += std::to_string(*count) + "|";
  line += std::to_string(secondsPlayed(tally, now));
  return {line};
}

bool ApplyStatisticsLines(const std::vector<std::string>& lines, const DateTime& now, GameTally& tally) {
  if (lines.size() != 1) return false;
  std::array<long long, kFieldCount> values{};
  std::string_view rest = lines[0];
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const std::size_t bar = i + 1 < kFieldCount ? rest.find('|') : rest.size();
    if (bar == std::string_view::npos) return false;
    const std::string_view field = rest.substr(0, bar);
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), values[i]);
    if (error != std::errc() || end != field.data() + field.size() || values[i] < 0 || values[i] > INT32_MAX) {
      return false;
    }
    rest = rest.substr(std::min(rest.size(), bar + 1));
  }
  const auto started = FromDayCount(ToDayCount(now) - static_cast<double>(values[kFieldCount - 1]) / kSecondsPerDay);
  if (!started) return false;
  GameTally restored = tally;
  const auto counts = countsOf(restored);
  for (std::size_t i = 0; i < counts.size(); ++i) *counts[i] = static_cast<int>(values[i]);
  restored.StartedAt = *started;
  tally = restored;
  return true;
}

void WriteStatistics(const SaveFolder& folder, const std::string& fileName, const GameTally& tally,
                     const DateTime& now) {
  folder.Write(ComposeStatisticsLines(tally, now), fileName, kStatisticsExtension);
}

void ReadStatistics(const SaveFolder& folder, const std::string& fileName, const DateTime& now, GameTally& tally) {
  std::vector<std::string> lines;
  if (folder.Read(lines, fileName, kStatisticsExtension) == 0) ApplyStatisticsLines(lines, now, tally);
}

void RemoveStatistics(const SaveFolder& folder, const std::string& fileName) {
  folder.Remove(fileName, kStatisticsExtension);
}

}  // namespace zrx
