#pragma once
// Entry points of the subsystems built above the game library (rules, combat,
// possessions). The game's flows call each other directly: a test hands back to the
// condition that asked for it, a game start enters the first chapter point. Code in this
// library and in its sibling subsystems calls those entry points through these slots;
// each subsystem fills its own slots in its Install...Hooks function, which the program
// (and every full-engine test) runs once after creating the Game.
//
// An empty slot means that the subsystem is not part of this build (a test of a single
// subsystem); calling it does nothing.
#include <functional>
#include <string>
#include <utility>

namespace zrx {

struct GameHooks {
  // Chapter navigation: enter CurrentChapter.
  std::function<void()> FejezetPont;
  // Condition evaluation: resume with the saved conditions and continuation codes (after
  // a test, or after the awaited information has been used).
  std::function<void(const std::string& conditions, const std::string& targets)> FeltetelFelbontas;
  // Special changes: process the saved chapter point's changes again.
  std::function<void()> SpecialValtozasFeldolgozas;
  // Battle: set-up again (after the roll that picks the opponent).
  std::function<void()> CsataElokeszites;
  // Battle: the won-round and lost-round operations, applying the luck outcome.
  std::function<void()> ForduloNyeres;
  std::function<void()> ForduloVesztes;
  // Battle: the after-round roll of the opponent's rule, with the pips of the one-die roll.
  std::function<void(int pips)> ForduloUtaniDobas;
  // Chapter navigation: continuations, settling the page marks, marking a pending kind.
  std::function<void()> TovabbLepesValasztas;
  std::function<void()> ValtasBeallitas;
  std::function<void(int kind, bool startBlink)> OldalValtasJelzes;
  // Tests-and-battles page reset (dice, luck test and battle panels).
  std::function<void()> ProbakCsatakAlaphelyzet;
  // Equipment page: plain arrangement, and the offer layout (0 = the end state).
  std::function<void()> FelszTargyAlaphelyzet;
  std::function<void(int layout)> FelszTargyElokeszites;
  // Visited-path export; true when the file was written.
  std::function<bool()> LepesekFajlbaMentese;
};

// Calls a hook when it is set.
template <typename Hook, typename... Args>
void CallHook(const Hook& hook, Args&&... args) {
  if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace zrx
