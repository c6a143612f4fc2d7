#pragma once
// A running game for the battle tests: the whole engine, the book's records filled in
// code, scripted dice and answers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "battle.h"
#include "dice_tests.h"
#include "game_fixture.h"
#include "navigation.h"
#include "shown_list.h"

namespace zrx::test {

// The chapter point that declares the battle in most tests, and its continuation.
inline constexpr int kBattleChapter = 12;

// Pips of a round (the opponent's two dice, the player's two dice) against an opponent's
// skill 7 and the player's 10.
inline constexpr std::initializer_list<int> kWon = {1, 1, 6, 6};   // 9 against 22
inline constexpr std::initializer_list<int> kLost = {6, 6, 1, 1};  // 19 against 12
inline constexpr std::initializer_list<int> kDraw = {4, 4, 3, 2};  // 15 against 15

class BattleFixture : public GameFixture {
 protected:
  BattleFixture() {
    GameState& gs = game.state;
    gs.GameLoaded = true;
    gs.Difficulty = 1;
    gs.CurrentBook = {.Number = 1, .ChapterCount = 20, .Title = "Próbakönyv", .SpecialValueCount = 2,
                      .SpecialValueCodes = "0405"};
    characteristic(1, "Ügyesség", 10, 12);
    characteristic(2, "Életerő", 20, 24);
    characteristic(3, "Szerencse", 9, 12);
    characteristic(4, "Erő", 8, 10);
    characteristic(5, "Kitartás", 6, 9);
    setPlayer(10, 20, 9);
  }

  Battle battle() { return Battle(game); }
  DiceTests diceTests() { return DiceTests(game); }
  GameState& state() { return game.state; }
  BattleState& b() { return game.state.battle; }
  MainValues& v() { return game.state.values; }
  BattlePanel& panel() { return game.screen.battle; }
  const std::string& line1() { return game.screen.battle.LabelEredmeny1.text(); }
  const std::string& line2() { return game.screen.battle.LabelEredmeny2.text(); }
  bool died() { return !ui.eventsOf(UiEvent::Kind::Death).empty(); }

  void characteristic(int number, const std::string& name, int current, int start, int minimum = 0) {
    game.stores.baseValues.Insert({.Number = number, .Current = static_cast<std::uint8_t>(current),
                                   .Minimum = static_cast<std::uint8_t>(minimum),
                                   .Start = static_cast<std::uint8_t>(start), .Name = name});
  }
  // Sets the three main values (current), in the records and in the game's mirror.
  void setPlayer(int skill, int stamina, int luck, int staminaMin = 0) {
    game.stores.baseValues.Set(1, 1, skill);
    game.stores.baseValues.Set(2, 1, stamina);
    game.stores.baseValues.Set(2, 3, staminaMin);
    game.stores.baseValues.Set(3, 1, luck);
    MainValues& mv = game.state.values;
    mv.Skill = skill;
    mv.Stamina = stamina;
    mv.StaminaMin = staminaMin;
    mv.Luck = luck;
    mv.SkillStart = 12;
    mv.StaminaStart = 24;
    mv.LuckStart = 12;
  }
  // An opponent with the usual defaults: wounds of 2 life points both ways, no flight.
  TMonsterRec opponent(int number, int skill, int stamina) {
    return TMonsterRec{.Number = number, .Name = "Szörny " + std::to_string(number), .Stamina = stamina,
                       .Skill = skill, .FlightCode = "0<", .BattleFlag = 0, .AttackMods = "0",
                       .RollBattleCode = "0", .WoundMods = "20201111"};
  }
  void add(const TMonsterRec& rec) { game.stores.monsters.Insert(rec); }
  void item(int number, const std::string& useCode, int count = 1) {
    game.stores.items.Insert({.Number = number, .Name = "Tárgy " + std::to_string(number), .Count = count,
                              .UseCode = useCode, .Category = 8});
    if (count > 0) game.state.equipment.EquipmentList.push_back(recordNumberText(number));
  }
  // A chapter point with a battle declaration, continuing to chapter 13.
  void declare(const std::string& battleCode, int chapter = kBattleChapter) {
    game.stores.chapters.Insert({.Number = chapter, .BattleCode = battleCode, .NextChapters = "00D"});
    game.stores.chapters.Insert({.Number = 13, .NextChapters = "GGG"});
  }
  // Sets the battle up at the chapter point, and opens the battle page (which enables "Harc").
  void setUp(int chapter = kBattleChapter) {
    game.state.CurrentChapter = chapter;
    battle().CsataElokeszites();
    game.screen.BitBtn5.setEnabled(true);
  }
  // One opponent (skill 7, the given life) declared with a second behind it, and set up;
  // the player has 10 and 20.
  void fightOne(int stamina = 30, const std::string& woundMods = "20201111") {
    TMonsterRec rec = opponent(1, 7, stamina);
    rec.WoundMods = woundMods;
    add(rec);
    add(opponent(2, 7, 30));
    declare("N001002");
    setUp();
  }
  // One round: the opponent's two dice, then the player's two dice, then any further pips.
  void round(std::initializer_list<int> pips) {
    dice.push(pips);
    battle().KlikkCsata();
  }
};

}  // namespace zrx::test
