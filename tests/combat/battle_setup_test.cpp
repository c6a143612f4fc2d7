#include <gtest/gtest.h>

#include "battle_fixture.h"
#include "book_code.h"

namespace zrx::test {
namespace {

class BattleSetUp : public BattleFixture {
 protected:
  BattleSetUp() {
    for (int n : {1, 2, 3, 12, 14}) add(opponent(n, 7, 10 + n));
  }
};

TEST_F(BattleSetUp, DeclarationFormsChooseTheOpponents) {
  struct Case {
    const char* declaration;
    const char* previousChapter;  // the chapter point the player came from
    int expectedCurrent;
    TextList expectedQueue;
  };
  const Case cases[] = {
      {"N001002003", "5", 1, {"002", "003"}},
      {"N00100", "5", 1, {"00"}},  // 5 characters count as two numbers
      {"P010012#NIF014", "10", 12, {}},
      {"P010012#NIF014", "11", 14, {}},
      {"P011002#010003001", "10", 3, {"001"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declaration);
    b() = {};
    state().navigation.VisitedPath = {c.previousChapter, std::to_string(kBattleChapter)};
    game.stores.chapters.Clear();
    declare(c.declaration);
    setUp();
    EXPECT_EQ(c.expectedCurrent, b().CurrentOpponent.Number);
    EXPECT_EQ(c.expectedQueue, b().OpponentQueue);
    EXPECT_EQ('1', state().navigation.PageMarks[4]);
    EXPECT_EQ(5, state().navigation.PendingKind);
    EXPECT_FALSE(b().LastBattleWon);
    EXPECT_EQ("1. Forduló", game.screen.BitBtn5.text());
    EXPECT_EQ("Szörny " + std::to_string(c.expectedCurrent), panel().Szorny(1, "Nev").text());
  }
}

TEST_F(BattleSetUp, ANewBattleDoesNotShowTheResultOfTheOneBefore) {
  panel().LabelEredmeny1.setText("Győztél! Válts a Történet fülre!");
  panel().LabelEredmeny2.setText("Ellenfeled meghalt! Új Ellenfél következik!");
  declare("N001");
  setUp();
  EXPECT_EQ("", panel().LabelEredmeny1.text());
  EXPECT_EQ("", panel().LabelEredmeny2.text());
}

TEST_F(BattleSetUp, NoBattleOffersTheContinuations) {
  for (const char* declaration : {"", "P011012#012014", "X001"}) {
    SCOPED_TRACE(declaration);
    game.stores.chapters.Clear();
    state().navigation = {};
    state().navigation.VisitedPath = {"10", "12"};
    declare(declaration);
    setUp();
    EXPECT_TRUE(b().OpponentQueue.empty());
    EXPECT_EQ(TextList{"13"}, state().navigation.NextChapterList);
    EXPECT_EQ(15, state().navigation.PendingKind);
  }
}

TEST_F(BattleSetUp, TheActionsWaitForADeclaredBattleAndItsPage) {
  ScreenModel& s = game.screen;
  EXPECT_FALSE(s.BitBtn5.enabled());
  EXPECT_FALSE(s.LabelMenekules.enabled());
  EXPECT_FALSE(s.LabelMenekules.visible());
  EXPECT_FALSE(s.LabelSpecFegyver.enabled());
  EXPECT_FALSE(panel().Szorny(1, "Nev").visible());
  EXPECT_FALSE(panel().LabelEredmeny1.visible());

  declare("N001");
  state().CurrentChapter = kBattleChapter;
  s.BitBtn5.setEnabled(true);
  battle().CsataElokeszites();
  EXPECT_FALSE(s.BitBtn5.enabled());
  EXPECT_TRUE(panel().Szorny(1, "Nev").visible());
  battle().KlikkCsata();  // not clickable before the page is opened
  EXPECT_FALSE(b().BattleRunning);
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleSetUp, RollPicksTheOpponent) {
  declare("R001002003");
  setUp();
  EXPECT_TRUE(b().OpponentRollPending);
  EXPECT_EQ(1, state().navigation.PendingKind);
  EXPECT_TRUE(game.screen.LabelDobasKocka(1).enabled());
  dice.push({2, 5, 5});  // the shown roll, and the two further results of the roll test
  diceTests().KlikkDobasKockaval(1);
  EXPECT_FALSE(b().OpponentRollDone);
  EXPECT_EQ(2, b().CurrentOpponent.Number);
  EXPECT_TRUE(b().OpponentQueue.empty());
  EXPECT_EQ(5, state().navigation.PendingKind);
}

TEST_F(BattleSetUp, BrokenDeclarationsNameTheChapterPoint) {
  TMonsterRec group = opponent(20, 7, 10);
  group.OpponentMode = 5;
  add(group);
  struct Case {
    const char* declaration;
    int roll;  // 0: no roll
  };
  const Case cases[] = {{"R001002", 3}, {"N009", 0}, {"N020", 0}, {"N", 0}, {"NAB1", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declaration);
    b() = {};
    game.stores.chapters.Clear();
    declare(c.declaration);
    state().CurrentChapter = kBattleChapter;
    if (c.roll > 0) {
      b().OpponentRollDone = true;
      state().tests.RollResult1 = c.roll;
    }
    try {
      battle().CsataElokeszites();
      ADD_FAILURE() << "no error";
    } catch (const BookCodeError& error) {
      if (std::string(c.declaration) != "NAB1") {
        EXPECT_NE(std::string::npos, std::string(error.what()).find("12. FejezetPont")) << error.what();
      }
    }
  }
}

TEST_F(BattleSetUp, DifficultyAdjustsEveryOpponentOfTheGroupOnce) {
  TMonsterRec first = opponent(30, 10, 30);
  first.OpponentMode = 40;
  add(first);
  add(opponent(31, 7, 5));
  add(opponent(32, 9, 20));
  declare("N030031032");

  state().Difficulty = 0;
  setUp();
  EXPECT_EQ(8, b().CurrentOpponent.Skill);
  EXPECT_EQ(26, b().CurrentOpponent.Stamina);
  EXPECT_EQ(6, b().SecondOpponent.Skill);
  EXPECT_EQ(4, b().SecondOpponent.Stamina);
  EXPECT_EQ(8, b().ThirdOpponent.Skill);
  EXPECT_EQ(3, b().OpponentsPresent);

  // "Véletlen": one percentage (three dice) for the whole group of three.
  b() = {};
  state().Difficulty = 2;
  dice.push({1, 6, 1});  // 105 %
  setUp();
  EXPECT_EQ(0u, dice.remaining());
  EXPECT_EQ(10, b().CurrentOpponent.Skill);  // 10.5
  EXPECT_EQ(31, b().CurrentOpponent.Stamina);
  EXPECT_EQ(7, b().SecondOpponent.Skill);    // 7.35
  EXPECT_EQ(5, b().SecondOpponent.Stamina);  // 5.25
  EXPECT_EQ(21, b().ThirdOpponent.Stamina);
}

TEST_F(BattleSetUp, SurvivorsOfAGroupMoveUpWithoutReadjustment) {
  // The group's mode is read from whichever member is current: all three carry it.
  for (const TMonsterRec& member : {opponent(40, 8, 1), opponent(41, 7, 9), opponent(42, 6, 8)}) {
    TMonsterRec rec = member;
    rec.OpponentMode = 31;
    add(rec);
  }
  add(opponent(43, 5, 7));
  declare("N040041042043");
  state().Difficulty = 2;
  dice.push({1, 6, 1});
  setUp();
  EXPECT_EQ(TextList{"043"}, b().OpponentQueue);
  b().RoundsFought = 3;
  b().BattleRunning = true;
  b().CurrentOpponent.Stamina = 0;
  battle().UjSzornyBetoltes();  // no dice: no new percentage
  EXPECT_EQ(41, b().CurrentOpponent.Number);
  EXPECT_EQ(9, b().CurrentOpponent.Stamina);  // adjusted once at 105 %: 9.45
  EXPECT_EQ(42, b().SecondOpponent.Number);
  EXPECT_EQ(2, b().OpponentsPresent);
  EXPECT_EQ(0, b().RoundsFought);
  EXPECT_EQ(1, b().ResultStreak);
  EXPECT_TRUE(b().OpponentChanged);
  EXPECT_EQ("Szörny 41", panel().Szorny(1, "Nev").text());
  EXPECT_FALSE(panel().Szorny(3, "Nev").visible());

  battle().UjSzornyBetoltes();
  EXPECT_EQ(42, b().CurrentOpponent.Number);
  EXPECT_EQ(1, b().OpponentsPresent);
  dice.push({1, 1, 1});  // the group is gone: opponent 43 alone, adjusted anew at 75 %
  battle().UjSzornyBetoltes();
  EXPECT_EQ(43, b().CurrentOpponent.Number);
  EXPECT_EQ(4, b().CurrentOpponent.Skill);
  EXPECT_EQ(5, b().CurrentOpponent.Stamina);
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleSetUp, NoMemberOfAGroupIsDroppedWhenOnlyTheFirstCarriesTheMode) {
  TMonsterRec first = opponent(40, 8, 1);
  first.OpponentMode = 31;
  add(first);
  add(opponent(41, 7, 9));
  add(opponent(42, 6, 8));
  add(opponent(43, 5, 7));
  declare("N040041042043");
  setUp();
  b().BattleRunning = true;
  for (int expected : {41, 42, 43}) {
    battle().UjSzornyBetoltes();
    EXPECT_EQ(expected, b().CurrentOpponent.Number);
  }
  EXPECT_TRUE(b().BattleRunning);
  battle().UjSzornyBetoltes();
  EXPECT_TRUE(b().LastBattleWon);
}

TEST_F(BattleSetUp, BattleCharacteristicsReplaceSkillAndLife) {
  TMonsterRec rec = opponent(50, 7, 10);
  rec.BattleValueCodes = "0405";
  add(rec);
  declare("N050");
  setUp();
  EXPECT_EQ(8, v().Skill);
  EXPECT_EQ(6, v().Stamina);
  EXPECT_EQ(9, v().Luck);
  EXPECT_EQ("Erő", panel().LabelJatekosUgyessegCim.text());
  EXPECT_EQ("Kitartás", panel().LabelJatekosEleteroCim.text());
  EXPECT_EQ("Erő", panel().Szorny(1, "UgyessegCim").text());
  EXPECT_EQ("9", game.screen.LabelSZPErtek.text());
}

TEST_F(BattleSetUp, FlightAndSpecialWeaponActions) {
  struct Case {
    const char* flight;
    const char* weapon;
    int pieces;
    bool flightShown, flightEnabled, weaponShown, weaponEnabled;
    int harcPlace;
  };
  const Case cases[] = {
      {"0<", "", 0, false, false, false, false, 0},
      {"1N", "", 0, true, true, false, false, 1},
      {"3<", "007S", 1, true, false, true, true, 2},
      {"2>", "008", 0, true, true, true, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flight + std::string(" ") + c.weapon);
    b() = {};
    game.stores.monsters.Clear();
    game.stores.items.Clear();
    state().equipment.EquipmentList.clear();
    TMonsterRec rec = opponent(60, 7, 10);
    rec.FlightCode = c.flight;
    rec.SpecialWeapon = c.weapon;
    add(rec);
    item(7, "", c.pieces);
    item(8, "", c.pieces);
    declare("N060");
    setUp();
    EXPECT_EQ(c.flightShown, game.screen.LabelMenekules.visible());
    EXPECT_EQ(c.flightEnabled, game.screen.LabelMenekules.enabled());
    EXPECT_EQ(c.weaponShown, game.screen.LabelSpecFegyver.visible());
    EXPECT_EQ(c.weaponEnabled, game.screen.LabelSpecFegyver.enabled());
    EXPECT_EQ(c.harcPlace, game.screen.BitBtn5.value());
  }
}

TEST_F(BattleSetUp, PairChoiceShowsTheOpponentsAndSwaps) {
  TMonsterRec first = opponent(70, 8, 12);
  first.OpponentMode = 31;
  add(first);
  add(opponent(71, 7, 9));
  add(opponent(72, 6, 5));
  declare("N070071072");
  setUp();
  ui.choosePair(3);
  battle().ParValasztas();
  const std::vector<UiEvent> choices = ui.eventsOf(UiEvent::Kind::PairChoice);
  ASSERT_EQ(1u, choices.size());
  EXPECT_EQ((std::vector<std::string>{"Az első Forduló következik! Válassz Ellenfelet!",
                                      "Szörny 70 - Ügyesség: 8 - Életerő: 12",
                                      "Szörny 71 - Ügyesség: 7 - Életerő: 9",
                                      "Szörny 72 - Ügyesség: 6 - Életerő: 5"}),
            choices[0].lines);
  EXPECT_EQ(72, b().CurrentOpponent.Number);
  EXPECT_EQ(70, b().ThirdOpponent.Number);
  EXPECT_EQ("Szörny 72", panel().Szorny(1, "Nev").text());
  EXPECT_EQ("5", panel().Szorny(1, "Eletero").text());
  EXPECT_EQ("Szörny 70", panel().Szorny(3, "Nev").text());

  struct Header {
    int opponentAttack, playerAttack;
    const char* expected;
  };
  const Header headers[] = {
      {15, 12, "Elvesztetted a Fordulót! A(z) 3. Forduló következik..."},
      {11, 12, "Megnyerted a Fordulót! A(z) 3. Forduló következik..."},
      {12, 12, "Döntetlen Forduló! A(z) 3. Forduló következik..."},
  };
  b().RoundsFought = 2;
  for (const Header& h : headers) {
    b().OpponentAttack = h.opponentAttack;
    b().PlayerAttack = h.playerAttack;
    ui.clearEvents();
    ui.choosePair(1);
    battle().ParValasztas();
    EXPECT_EQ(h.expected, ui.eventsOf(UiEvent::Kind::PairChoice).at(0).lines.at(0));
  }
  EXPECT_EQ(72, b().CurrentOpponent.Number);  // button 1 keeps the order
}

TEST_F(BattleSetUp, PairChoiceLinesUseTheBattleCharacteristics) {
  TMonsterRec first = opponent(80, 8, 12);
  first.OpponentMode = 5;
  first.BattleValueCodes = "0405";
  add(first);
  add(opponent(81, 7, 9));
  declare("N080081");
  setUp();
  ui.choosePair(2);
  battle().ParValasztas();
  const UiEvent choice = ui.eventsOf(UiEvent::Kind::PairChoice).at(0);
  ASSERT_EQ(3u, choice.lines.size());
  EXPECT_EQ("Szörny 80 - Erő: 8 - Kitartás: 12", choice.lines[1]);
  EXPECT_EQ(81, b().CurrentOpponent.Number);
  EXPECT_EQ(80, b().SecondOpponent.Number);
}

}  // namespace
}  // namespace zrx::test
