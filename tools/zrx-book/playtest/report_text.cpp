// The text report.
#include <algorithm>
#include <cstdio>

#include "book_coverage.h"
#include "lifecycle.h"
#include "new_game_screen.h"
#include "playtest_report.h"

namespace zrx::playtest {
namespace {

constexpr std::size_t kDeadliest = 10;

std::string percent(int part, int whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%5.1f%%", whole > 0 ? 100.0 * part / whole : 0.0);
  return text;
}

std::string fixed(double value) {
  char text[24];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (const char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

void writeOutcomes(const PlaytestStats& stats, std::ostream& out) {
  out << "Outcomes (victory / death / end / stall / loop / malformed code / error log), path length:\n";
  for (int d = 0; d < 3; ++d) {
    const DifficultyTally& t = stats.difficulties()[static_cast<std::size_t>(d)];
    if (t.runs == 0) continue;
    const auto count = [&t](RunEnd end) {
      const auto found = t.ends.find(end);
      return found == t.ends.end() ? 0 : found->second;
    };
    out << "  " << DifficultyName(d) << ": " << t.runs << " runs:";
    for (RunEnd end : {RunEnd::Victory, RunEnd::Death, RunEnd::End, RunEnd::Stall, RunEnd::Loop,
                       RunEnd::MalformedCode, RunEnd::ErrorLog}) {
      out << ' ' << percent(count(end), t.runs);
    }
    out << "; mean " << fixed(static_cast<double>(t.pathTotal) / t.runs) << ", longest " << t.longest
        << " (seed " << t.longestSeed << ")\n";
    out << "    won by starting Ügyesség:";
    for (const auto& [skill, tally] : t.bySkill) {
      out << "  " << skill << ": " << fixed(100.0 * tally.won / tally.runs) << "% of " << tally.runs;
    }
    out << '\n';
  }
}

void writeChapters(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  int numbered = 0;
  for (const TChapterRec& chapter : context.chapters) numbered += chapter.Number >= 0 ? 1 : 0;
  out << "Chapter points entered: " << stats.visits().size() << " of " << numbered << "\n  visits:";
  int column = 0;
  for (const auto& [chapter, visits] : stats.visits()) {
    out << (column++ % 10 == 0 ? "\n    " : "  ") << chapter << ": " << visits;
  }
  out << '\n';
  const std::vector<UnreachedChapter> unreached = UnreachedChapters(context.chapters, stats);
  out << "Never reached: " << unreached.size() << '\n';
  for (const UnreachedChapter& u : unreached) {
    out << "  " << u.chapter;
    if (u.from < 0) out << ": no entered chapter point leads here\n";
    else out << ": from " << u.from << ", whose conditions \"" << u.conditions << "\" never let the player through\n";
  }
  const std::vector<UntakenContinuation> untaken = UntakenContinuations(context.chapters, stats);
  out << "Continuations never taken: " << untaken.size() << '\n';
  for (const UntakenContinuation& u : untaken) out << "  " << u.from << " -> " << u.to << '\n';
}

void writeDeaths(const PlaytestStats& stats, std::ostream& out) {
  int total = 0;
  for (const auto& [chapter, count] : stats.deathsAt()) total += count;
  out << "Deaths: " << total << '\n';
  for (const auto& [cause, count] : stats.deathCauses()) out << "  " << cause << ": " << count << '\n';
  std::vector<std::pair<int, int>> deadliest(stats.deathsAt().begin(), stats.deathsAt().end());
  std::stable_sort(deadliest.begin(), deadliest.end(), [](auto& a, auto& b) { return a.second > b.second; });
  if (deadliest.size() > kDeadliest) deadliest.resize(kDeadliest);
  out << "  deadliest chapter points:";
  for (const auto& [chapter, count] : deadliest) out << "  " << chapter << " (" << count << ")";
  out << '\n';
}

void writeBattles(const PlaytestStats& stats, std::ostream& out) {
  out << "Battles (chapter point, first opponent: fought, won, fled, lost, mean rounds; predicted against measured "
         "win rate):\n";
  for (const auto& [key, b] : stats.battles()) {
    out << "  " << key.first << ", " << b.name << " (" << key.second << "): " << b.encounters << ", " << b.won << ", "
        << b.fled << ", " << b.lost << ", " << fixed(static_cast<double>(b.rounds) / b.encounters) << "; ";
    if (b.predicted > 0) {
      out << percent(static_cast<int>(1000 * b.predictedSum / b.predicted), 1000) << (b.exact ? " exact" : " simulated");
    } else {
      out << "  -";
    }
    out << " against " << percent(b.won, b.encounters) << '\n';
  }
}

void writeFirstMet(const Finding& f, const ReportContext& context, std::ostream& out) {
  out << "    first met: seed " << f.seed << ", " << DifficultyName(f.difficulty) << ", path:";
  for (const int chapter : f.path) out << ' ' << chapter;
  out << "\n    replay: " << ReplayCommand(context, f) << '\n';
}

void writeFindings(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << "Problems: " << stats.findings().size() << '\n';
  for (const Finding& f : stats.findings()) {
    out << "  " << RunEndName(f.kind) << " at chapter point " << f.chapter << " (" << f.count << " runs): " << f.problem
        << '\n';
    writeFirstMet(f, context, out);
  }
}

void writeDoom(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << "Doom regions: " << stats.doomLoops().size() + context.doomRegions.size() << '\n';
  for (const Finding& loop : stats.doomLoops()) {
    out << "  loop " << loop.problem << ": left only by dying, " << loop.count
        << " runs went round it with no way out offered\n";
    writeFirstMet(loop, context, out);
  }
  for (const DoomRegion& region : context.doomRegions) {
    out << "  chapter points";
    for (const int chapter : region.chapters) out << ' ' << chapter;
    out << ": not won from, every one of the " << region.runs << " runs that entered died\n";
    writeFirstMet(region.first, context, out);
  }
}

void writeWarnings(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << "Repeating rewards: " << stats.repeatedRewards().size() << '\n';
  for (const auto& [chapter, reward] : stats.repeatedRewards()) {
    out << "  warning: chapter point " << chapter << " gives again on every entry (" << reward.count
        << " runs): " << reward.problem << '\n';
    writeFirstMet(reward, context, out);
  }
  out << "Never used: " << context.unused.size() << '\n';
  for (const UnusedRecord& u : context.unused) {
    out << "  warning: " << u.kind << ' ' << u.number << " \"" << u.name << "\" is held but no code reads it\n";
  }
}

}  // namespace

std::string DifficultyName(int difficulty) { return DifficultyText(difficulty); }

std::string ReplayCommand(const ReportContext& context, const Finding& finding) {
  // The new-game dialog numbers the difficulties in the order it lists them.
  int item = 1;
  for (int i = 0; i < 3; ++i) {
    if (DifficultyOfItem(i) == finding.difficulty) item = i + 1;
  }
  const std::string folder = "/tmp/zrx-replay";
  std::string command = "zrx-book build " + quoted(context.packageFile) + " " + folder + " && zrx-book saves " + folder +
                        " && printf '%s\\n' Teszt " + quoted("új 1 " + std::to_string(context.book) + " " +
                                                             std::to_string(item));
  for (const std::string& line : finding.script) command += " " + quoted(line);
  return command + " | zrx-text --folder " + folder + " --seed " + std::to_string(finding.seed);
}

void WriteTextReport(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << "Playtest of \"" << context.title << "\" (book " << context.book << " of " << context.packageFile
      << "): " << context.runs << " runs from seed " << context.seed << '\n';
  writeOutcomes(stats, out);
  writeChapters(stats, context, out);
  writeDeaths(stats, out);
  writeBattles(stats, out);
  writeFindings(stats, context, out);
  writeDoom(stats, context, out);
  writeWarnings(stats, context, out);
}

}  // namespace zrx::playtest
