#pragma once
// What one play-through did: how it ended, the chapter points it entered, its battles,
// and what went wrong. One object is reused for every run, so memory stays flat.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zrx::playtest {

enum class RunEnd { Victory, Death, End, Stall, Loop, MalformedCode, ErrorLog };

// How a battle ended for the player.
enum class BattleEnd { Won, Fled, Lost };

struct BattleRecord {
  int chapter = 0;
  int opponent = 0;  // number of the first opponent
  std::string name;
  BattleEnd end = BattleEnd::Lost;
  int rounds = 0;
  double predicted = -1;  // the odds when the battle was at hand; negative when not computed
  bool exact = false;
};

// A chapter point entered again whose changes raised something again: "Hírnév +3, Gyógyír +1".
struct RepeatedReward {
  int chapter = 0;
  std::string gains;
};

struct RunResult {
  std::uint32_t seed = 0;
  int difficulty = 0;
  int startSkill = 0;  // the Ügyesség the character was given, the difficulty's bonus included
  RunEnd end = RunEnd::Stall;
  std::vector<int> path;  // the chapter points entered, in order (re-entries included)
  int endChapter = 0;
  std::string deathCause;  // "Csata: <name>", "rossz válasz" or "jellemző határa"
  std::string problem;     // the stall's reason, the malformed code's message, the error lines
  std::vector<BattleRecord> battles;
  std::vector<std::string> script;  // the zrx-text commands after sign-in that replay the run
  int steps = 0;
  std::vector<RepeatedReward> repeatedRewards;
  // The chapter points (ascending) of the loop the run died in, going round with no way
  // out offered at any of them; empty when it did not.
  std::vector<int> trappedLoop;
  std::set<int> heldItems, heldInfos, heldMagic;  // what the run held at some chapter point

  void clear() {
    repeatedRewards.clear();
    trappedLoop.clear();
    heldItems.clear();
    heldInfos.clear();
    heldMagic.clear();
    path.clear();
    battles.clear();
    script.clear();
    deathCause.clear();
    problem.clear();
    steps = 0;
  }
};

const char* RunEndName(RunEnd end);

}  // namespace zrx::playtest
