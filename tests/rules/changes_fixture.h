#pragma once
// A running game for the special-change tests: the whole engine over a small book filled
// in code. A plain object, so that a table of cases can make a fresh game per case.
#include <algorithm>
#include <string>

#include "characteristics.h"
#include "dice_tests.h"
#include "equipment.h"
#include "fixed_clock.h"
#include "game.h"
#include "memory_book_loader.h"
#include "scripted_dice.h"
#include "scripted_ui.h"
#include "navigation.h"
#include "offers.h"
#include "page_signal.h"
#include "special_changes.h"

namespace zrx::test {

inline constexpr int kMoney = 1;

struct ChangesWorld {
  ChangesWorld() {
    game.state.GameLoaded = true;
    game.state.settings.ChangeSignalLevel = 1;
    game.state.CurrentBook = {.Number = 1, .SpecialValueCount = 1, .SpecialValueCodes = "05", .MoneyItem = kMoney};
    value({.Number = 1, .Current = 10, .Minimum = 0, .Start = 12, .Name = "Ügyesség"});
    value({.Number = 2, .LimitFatal = 1, .Current = 15, .Minimum = 0, .Start = 20, .Name = "Életerő"});
    value({.Number = 3, .Current = 8, .Minimum = 0, .Start = 12, .Name = "Szerencse"});
    value({.Number = 4, .Current = 0, .Minimum = 0, .Start = 50, .Name = "Számláló"});
    value({.Number = 5, .CountsUp = 1, .LimitFatal = 1, .Current = 2, .Minimum = 0, .Start = 10, .Name = "Félelem"});
    item({.Number = kMoney, .Name = "Arany", .Category = 0});
    game.stores.monsters.Insert({.Number = 1, .Name = "Ork", .Stamina = 6, .Skill = 7});
    game.state.navigation.VisitedPath = {"5"};
    Offers(game).FelszTargyElokeszites(0);  // as a game start leaves the equipment page
  }

  void value(const TBaseValueRec& rec) {
    game.stores.baseValues.Insert(rec);
    Characteristics(game).FoAlapErtekVisszaIras();
  }
  int current(int number) const { return game.stores.baseValues.Find(number).Current; }
  int start(int number) const { return game.stores.baseValues.Find(number).Start; }

  void item(const TInventoryRec& rec) { game.stores.items.Insert(rec); }
  // Puts pieces of a stored item into the player's hands.
  void hold(int number, int pieces) { Equipment(game).gainItem(number, pieces); }
  int count(int number) const { return game.stores.items.Find(number).Count; }
  const TextList& held() const { return game.state.equipment.EquipmentList; }
  void selectHeld(int number) {
    const std::string text = (number < 10 ? "00" : number < 100 ? "0" : "") + std::to_string(number);
    game.screen.ListBox_FT.setSelection(-1);
    for (std::size_t i = 0; i < held().size(); ++i) {
      if (held()[i] == text) game.screen.ListBox_FT.setSelection(static_cast<int>(i));
    }
  }

  void info(int number, int kind = 0, int time = 0, std::uint8_t flag = 0) {
    game.stores.infos.Insert({.Number = number, .Name = "Infó " + std::to_string(number), .InfoFlag = flag,
                              .Kind = kind, .Time = time});
  }
  bool hasInfo(int number) const {
    const std::string text = "00" + std::to_string(number);
    const TextList& list = game.state.knowledge.InfoList;
    return std::find(list.begin(), list.end(), text.substr(text.size() - 3)) != list.end();
  }

  void magic(int number) {
    game.stores.magicSkills.Insert({.Number = number, .Name = "Varázslat " + std::to_string(number)});
  }

  // Enters chapter 10 with the given changes; its only continuation is chapter 2.
  void enter(const std::string& q1, const std::string& q2 = "", const std::string& q3 = "",
             const std::string& q4 = "", const std::string& battle = "") {
    game.stores.chapters.Insert({.Number = 10, .BattleCode = battle, .NextChapters = "002", .SpecialChange1 = q1,
                                 .SpecialChange2 = q2, .SpecialChange3 = q3, .SpecialChange4 = q4});
    game.state.CurrentChapter = 10;
    Navigation(game).FejezetPont();
  }

  const TextList& offered() const { return game.state.navigation.NextChapterList; }
  bool continuationsOffered() const { return offered() == TextList{"2"}; }
  bool endedHere() const { return offered() == TextList{"Vége"}; }
  int pendingKind() const { return game.state.navigation.PendingKind; }
  // The declared battle ("N001", the ork) was set up: its opponent stands on the battle page.
  bool battleSetUp() const { return game.state.battle.CurrentOpponent.Number == 1; }
  bool changesWaiting() const { return !game.state.changes.ChangesActive && offered().empty(); }

  void confirm() { Offers(game).KlikkTargyFelvetel(); }
  void openPage(int page) { PageSignal(game).PageControl1Change(page); }
  // Three rolls of one roll test with n dice: the first shown, two more not shown.
  void pushRollTest(std::initializer_list<int> pips) { dice.push(pips); }

  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  Game game{std::filesystem::temp_directory_path(), ui, dice, clock, loader};
};

}  // namespace zrx::test
