#pragma once
// The tallies of many play-throughs of one book: outcomes per difficulty, chapter visits
// and the continuations taken, deaths, battles, and every distinct problem with the first
// run that met it. Bounded by the size of the book, not by the number of runs.
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "run_result.h"

namespace zrx::playtest {

struct SkillTally {
  int runs = 0, won = 0;
};

struct DifficultyTally {
  int runs = 0;
  std::map<int, SkillTally> bySkill;  // by the starting Ügyesség
  std::map<RunEnd, int> ends;
  long long pathTotal = 0;  // chapter points entered, over all runs
  int longest = 0;
  std::uint32_t longestSeed = 0;
};

struct BattleTally {
  std::string name;
  int encounters = 0, won = 0, fled = 0, lost = 0;
  long long rounds = 0;
  double predictedSum = 0;
  int predicted = 0;
  bool exact = true;  // every prediction was computed exactly
};

// A problem of the book (stall, loop, malformed code, error-log code) and the first run
// that met it.
struct Finding {
  RunEnd kind = RunEnd::Stall;
  int chapter = 0;
  std::string problem;
  int count = 0;
  std::uint32_t seed = 0;
  int difficulty = 0;
  std::vector<int> path;
  std::vector<std::string> script;
};

// How the runs that entered a chapter point ended, with the first of them.
struct ChapterFate {
  int runs = 0, won = 0, died = 0;
  Finding first;
};

class PlaytestStats {
 public:
  void add(const RunResult& run);
  // Adds the tallies of runs played after those of this object, as if added one by one.
  void merge(const PlaytestStats& later);

  const std::array<DifficultyTally, 3>& difficulties() const { return difficulties_; }
  const std::map<int, long long>& visits() const { return visits_; }
  bool taken(int from, int to) const { return edges_.contains({from, to}); }
  const std::map<int, int>& deathsAt() const { return deathsAt_; }
  const std::map<std::string, int>& deathCauses() const { return deathCauses_; }
  const std::map<std::pair<int, int>, BattleTally>& battles() const { return battles_; }
  const std::vector<Finding>& findings() const { return findings_; }
  // Whether a run ended in a stall, a loop, a malformed code or an error-log code.
  bool anyProblem() const { return !findings_.empty(); }
  // Loops that runs went round with no way out offered until they died ("problem" lists them).
  const std::vector<Finding>& doomLoops() const { return doomLoops_; }
  // Chapter points entered again whose changes raised something again, with the first such run.
  const std::map<int, Finding>& repeatedRewards() const { return repeatedRewards_; }
  const std::map<int, ChapterFate>& fates() const { return fates_; }
  const std::set<int>& heldItems() const { return heldItems_; }
  const std::set<int>& heldInfos() const { return heldInfos_; }
  const std::set<int>& heldMagic() const { return heldMagic_; }

 private:
  void addFinding(const RunResult& run);
  void addWatched(const RunResult& run);

  std::array<DifficultyTally, 3> difficulties_{};
  std::map<int, long long> visits_;
  std::set<std::pair<int, int>> edges_;
  std::map<int, int> deathsAt_;
  std::map<std::string, int> deathCauses_;
  std::map<std::pair<int, int>, BattleTally> battles_;
  std::vector<Finding> findings_;
  std::vector<Finding> doomLoops_;
  std::map<int, Finding> repeatedRewards_;
  std::map<int, ChapterFate> fates_;
  std::set<int> heldItems_, heldInfos_, heldMagic_;
};

}  // namespace zrx::playtest
