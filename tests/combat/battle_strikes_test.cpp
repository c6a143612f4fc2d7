// The strikes around the round: the other opponents of a group, allies, and the
// equipment tests that may end a fight before the round.
#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace zrx::test {
namespace {

using BattleStrikes = BattleFixture;

TEST_F(BattleStrikes, SecondOpponentOfAGroupStrikes) {
  TMonsterRec first = opponent(1, 7, 30);
  first.OpponentMode = 5;
  add(first);
  add(opponent(2, 9, 30));
  declare("N001002");
  setUp();
  ui.choosePair(1);
  round({1, 1, 1, 1, 6, 6});  // 9 and 12; the second opponent rolls 12: 21
  EXPECT_EQ("12", panel().Szorny(2, "Dobas").text());
  EXPECT_EQ("21", panel().Szorny(2, "Tamadoero").text());
  EXPECT_EQ(18, v().Stamina);
  EXPECT_EQ("0202", b().PlayerLifeWounds);
  EXPECT_EQ(28, b().CurrentOpponent.Stamina);  // the round itself is won
  EXPECT_EQ(30, b().SecondOpponent.Stamina);

  ui.choosePair(1);
  setPlayer(10, 2, 8);
  round({1, 1, 1, 1, 6, 6});
  EXPECT_TRUE(died());
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleStrikes, AlliesStopAfterAFailure) {
  struct Case {
    const char* allies;
    std::initializer_list<int> pips;
    int opponentStamina;
  };
  const Case cases[] = {
      // opponent, player, then per ally: the ally's dice and the opponent's against it
      {"080706", {1, 1, 6, 6, 1, 1, 6, 6}, 28},          // the first fails: no other strikes
      {"080706", {1, 1, 6, 6, 6, 6, 1, 1, 1, 1, 6, 6}, 26},  // the second fails
      {"0807", {1, 1, 6, 6, 6, 6, 1, 1, 6, 6, 1, 1}, 24},
      {"08070", {1, 1, 6, 6}, 28},                       // five characters: no allies
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.allies);
    b() = {};
    game.stores.monsters.Clear();
    TMonsterRec rec = opponent(1, 7, 30);
    rec.ExtraCode = c.allies;
    add(rec);
    declare("N001");
    setUp();
    round(c.pips);
    EXPECT_EQ(c.opponentStamina, b().CurrentOpponent.Stamina);
    EXPECT_EQ(0u, dice.remaining());
  }
}

TEST_F(BattleStrikes, AlliesKillTheOpponentAndSkipTheRest) {
  TMonsterRec rec = opponent(1, 7, 2);
  rec.ExtraCode = "0807";
  add(rec);
  add(opponent(2, 7, 30));
  declare("N001002");
  setUp();
  round({1, 1, 6, 6, 6, 6, 1, 1});
  EXPECT_EQ(2, b().CurrentOpponent.Number);
  EXPECT_EQ("Ellenfeled meghalt! Új Ellenfél következik!", line2());
  EXPECT_EQ("", panel().LabelJatekosTamadoero.text());
  EXPECT_EQ("1. Forduló", game.screen.BitBtn5.text());
  EXPECT_EQ(0, b().RoundsFought);
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleStrikes, EquipmentTestsBeforeTheRound) {
  struct Case {
    const char* code;
    std::initializer_list<int> pips;
    bool opponentDied, playerDied;
    const char* twoDiceLabel;
  };
  const Case cases[] = {
      {"CUB1", {2, 3}, true, false, "5"},
      {"CUB1", {6, 6, 1, 1, 6, 6}, false, false, "12,12"},
      {"CUA1", {2, 3, 1, 1, 3, 4}, false, false, "5,7"},
      {"CUCE", {5, 5, 1, 1, 6, 6}, false, false, "10,12"},  // equal: nothing
      {"CUX1", {1, 1}, true, false, "2"},                   // an unknown kind kills the opponent
      {"CUB2", {1, 1}, true, false, "2"},
      {"CUAE", {6, 6}, false, true, ""},                    // last: the death ends the game
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    b() = {};
    ui.clearEvents();
    state().GameLoaded = true;
    game.stores.items.Clear();
    game.stores.monsters.Clear();
    state().equipment.EquipmentList.clear();
    item(9, c.code);
    fightOne();
    round(c.pips);
    EXPECT_EQ(c.playerDied, died());
    if (!c.playerDied) {
      EXPECT_EQ(c.opponentDied ? 2 : 1, b().CurrentOpponent.Number);
    }
    if (!c.playerDied) {
      EXPECT_EQ(c.twoDiceLabel, game.screen.DKEredmenyLabel(2).text());
    }
    if (c.opponentDied) {
      EXPECT_EQ("Ellenfeled meghalt! Új Ellenfél következik!", line2());
    }
    EXPECT_EQ(0u, dice.remaining());
  }
}

TEST_F(BattleStrikes, EquipmentTestWithAPeriodSkipsRounds) {
  item(9, "CUA2");
  fightOne();
  round({1, 1, 1, 1, 6, 6});  // 0 rounds fought: due
  round({1, 1, 6, 6});        // 1: not due
  round({1, 1, 1, 1, 6, 6});  // 2: due
  EXPECT_EQ(3, b().RoundsFought);
  EXPECT_EQ(0u, dice.remaining());
}


}  // namespace
}  // namespace zrx::test
