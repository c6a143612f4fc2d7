#pragma once
// A running game for the rules tests: the whole engine, the book filled in code, the
// scripted dice and UI of the game fixture.
#include <string>

#include "conditions.h"
#include "dice_tests.h"
#include "game_fixture.h"
#include "navigation.h"

namespace zrx::test {

class RulesFixture : public GameFixture {
 protected:
  explicit RulesFixture(std::filesystem::path programFolder = std::filesystem::temp_directory_path())
      : GameFixture(std::move(programFolder)) {
    game.state.GameLoaded = true;
    game.state.settings.ChangeSignalLevel = 1;
    // The tests page as a game leaves it: no action enabled.
    DiceTests(game).ProbakCsatakAlaphelyzet();
  }

  Conditions conditions() { return Conditions(game); }
  Navigation navigation() { return Navigation(game); }
  DiceTests diceTests() { return DiceTests(game); }
  GameState& state() { return game.state; }

  void item(int number, int count, std::uint8_t unique = 0) {
    game.stores.items.Insert({.Number = number, .Name = "Tárgy " + std::to_string(number),
                              .Count = count, .Unique = unique});
  }
  void info(int number, std::uint8_t flag = 0, int kind = 0, int time = 0) {
    game.stores.infos.Insert({.Number = number, .Name = "Infó " + std::to_string(number),
                              .InfoFlag = flag, .Kind = kind, .Time = time});
  }
  void characteristic(int number, int current, int start = 24) {
    game.stores.baseValues.Insert({.Number = number, .Current = static_cast<std::uint8_t>(current),
                                   .Start = static_cast<std::uint8_t>(start)});
  }
  void chapter(TChapterRec rec) { game.stores.chapters.Insert(rec); }

  // One evaluation pass of a condition string, as the navigation starts it.
  void evaluate(const std::string& conditionString, const std::string& targets) {
    state().conditions.ConditionMet = false;
    conditions().FeltetelFelbontas(conditionString, targets);
  }
  const TextList& offered() { return state().navigation.NextChapterList; }
};

}  // namespace zrx::test
