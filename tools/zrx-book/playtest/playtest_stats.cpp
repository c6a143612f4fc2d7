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
  SkillTally& skill = tally.bySkill[run.startSkill];
  ++skill.runs;
  skill.won += run.end == RunEnd::Victory ? 1 : 0;
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
  addWatched(run);
}

namespace {

Finding firstMet(const RunResult& run, int chapter, const std::string& problem) {
  return {.kind = run.end, .chapter = chapter, .problem = problem, .count = 1, .seed = run.seed,
          .difficulty = run.difficulty, .path = run.path, .script = run.script};
}

// Adds `finding` to the list, or counts it with the one of the same kind, chapter point and problem.
void countIn(std::vector<Finding>& findings, const Finding& finding) {
  for (Finding& known : findings) {
    if (known.kind == finding.kind && known.chapter == finding.chapter && known.problem == finding.problem) {
      known.count += finding.count;
      return;
    }
  }
  findings.push_back(finding);
}

}  // namespace

void PlaytestStats::addWatched(const RunResult& run) {
  if (!run.trappedLoop.empty()) {
    std::string loop;
    for (const int chapter : run.trappedLoop) loop += (loop.empty() ? "" : " ") + std::to_string(chapter);
    countIn(doomLoops_, firstMet(run, run.trappedLoop.front(), loop));
  }
  std::set<int> rewarded;
  for (const RepeatedReward& reward : run.repeatedRewards) {
    if (!rewarded.insert(reward.chapter).second) continue;
    const auto [it, fresh] = repeatedRewards_.try_emplace(reward.chapter, firstMet(run, reward.chapter, reward.gains));
    if (!fresh) ++it->second.count;
  }
  for (const int chapter : std::set<int>(run.path.begin(), run.path.end())) {
    ChapterFate& fate = fates_[chapter];
    if (fate.runs++ == 0) fate.first = firstMet(run, chapter, "");
    fate.won += run.end == RunEnd::Victory ? 1 : 0;
    fate.died += run.end == RunEnd::Death ? 1 : 0;
  }
  heldItems_.insert(run.heldItems.begin(), run.heldItems.end());
  heldInfos_.insert(run.heldInfos.begin(), run.heldInfos.end());
  heldMagic_.insert(run.heldMagic.begin(), run.heldMagic.end());
}

void PlaytestStats::merge(const PlaytestStats& later) {
  for (std::size_t d = 0; d < difficulties_.size(); ++d) {
    DifficultyTally& mine = difficulties_[d];
    const DifficultyTally& theirs = later.difficulties_[d];
    mine.runs += theirs.runs;
    for (const auto& [end, count] : theirs.ends) mine.ends[end] += count;
    for (const auto& [skill, count] : theirs.bySkill) {
      mine.bySkill[skill].runs += count.runs;
      mine.bySkill[skill].won += count.won;
    }
    mine.pathTotal += theirs.pathTotal;
    if (theirs.longest > mine.longest) {
      mine.longest = theirs.longest;
      mine.longestSeed = theirs.longestSeed;
    }
  }
  for (const auto& [chapter, visits] : later.visits_) visits_[chapter] += visits;
  edges_.insert(later.edges_.begin(), later.edges_.end());
  for (const auto& [chapter, count] : later.deathsAt_) deathsAt_[chapter] += count;
  for (const auto& [cause, count] : later.deathCauses_) deathCauses_[cause] += count;
  for (const auto& [key, theirs] : later.battles_) {
    const auto [it, fresh] = battles_.try_emplace(key, theirs);
    if (fresh) continue;
    BattleTally& b = it->second;
    b.encounters += theirs.encounters, b.won += theirs.won, b.fled += theirs.fled, b.lost += theirs.lost;
    b.rounds += theirs.rounds;
    b.predictedSum += theirs.predictedSum;
    b.predicted += theirs.predicted;
    b.exact = b.exact && theirs.exact;
  }
  for (const Finding& finding : later.findings_) countIn(findings_, finding);
  for (const Finding& finding : later.doomLoops_) countIn(doomLoops_, finding);
  for (const auto& [chapter, finding] : later.repeatedRewards_) {
    const auto [it, fresh] = repeatedRewards_.try_emplace(chapter, finding);
    if (!fresh) it->second.count += finding.count;
  }
  for (const auto& [chapter, theirs] : later.fates_) {
    const auto [it, fresh] = fates_.try_emplace(chapter, theirs);
    if (fresh) continue;
    it->second.runs += theirs.runs, it->second.won += theirs.won, it->second.died += theirs.died;
  }
  heldItems_.insert(later.heldItems_.begin(), later.heldItems_.end());
  heldInfos_.insert(later.heldInfos_.begin(), later.heldInfos_.end());
  heldMagic_.insert(later.heldMagic_.begin(), later.heldMagic_.end());
}

void PlaytestStats::addFinding(const RunResult& run) {
  if (run.end != RunEnd::Stall && run.end != RunEnd::Loop && run.end != RunEnd::MalformedCode &&
      run.end != RunEnd::ErrorLog) {
    return;
  }
  countIn(findings_, firstMet(run, run.endChapter, run.problem));
}

}  // namespace zrx::playtest
