#include "playtest_stats.h"

namespace zrx::playtest {

const char* RunEndName(RunEnd end) {
  switch (end) {
    case RunEnd::Victory: return "victory";
    case RunEnd::Death: return "death";
    case RunEnd::End: return "end";
    case RunEnd::Stall: return "stall";
    case RunEnd::Loop: return "loop";
    case RunEnd::MalformedCode: return "malformed code";
    case RunEnd::ErrorLog: return "error log";
  }
  return "?";
}

void PlaytestStats::add(const RunResult& run) {
  DifficultyTally& tally = difficulties_.at(static_cast<std::size_t>(run.difficulty));
  ++tally.runs;
  ++tally.ends[run.end];
  const int length = static_cast<int>(run.path.size());
  tally.pathTotal += length;
  if (length > tally.longest) {
    tally.longest = length;
    tally.longestSeed = run.seed;
  }
  for (std::size_t i = 0; i < run.path.size(); ++i) {
    ++visits_[run.path[i]];
    if (i > 0) edges_.insert({run.path[i - 1], run.path[i]});
  }
  if (run.end == RunEnd::Death) {
    ++deathsAt_[run.endChapter];
    ++deathCauses_[run.deathCause];
  }
  for (const BattleRecord& battle : run.battles) {
    BattleTally& b = battles_[{battle.chapter, battle.opponent}];
    b.name = battle.name;
    ++b.encounters;
    ++(battle.end == BattleEnd::Won ? b.won : battle.end == BattleEnd::Fled ? b.fled : b.lost);
    b.rounds += battle.rounds;
    if (battle.predicted >= 0) {
      b.predictedSum += battle.predicted;
      ++b.predicted;
      b.exact = b.exact && battle.exact;
    }
  }
  addFinding(run);
}

void PlaytestStats::addFinding(const RunResult& run) {
  if (run.end != RunEnd::Stall && run.end != RunEnd::Loop && run.end != RunEnd::MalformedCode &&
      run.end != RunEnd::ErrorLog) {
    return;
  }
  for (Finding& finding : findings_) {
    if (finding.kind == run.end && finding.chapter == run.endChapter && finding.problem == run.problem) {
      ++finding.count;
      return;
    }
  }
  findings_.push_back({.kind = run.end, .chapter = run.endChapter, .problem = run.problem, .count = 1,
                       .seed = run.seed, .difficulty = run.difficulty, .path = run.path, .script = run.script});
}

}  // namespace zrx::playtest
