// The statistics of a game after a scripted battle, luck tests and item changes, and the
// odds and the texts the page shows for them.
#include "battle_fixture.h"
#include "equipment.h"
#include "game_statistics.h"
#include "lifecycle.h"
#include "page_odds.h"
#include "page_texts.h"

namespace zrx::test {
namespace {

class GameStatisticsTest : public BattleFixture {
 protected:
  GameStatisticsTest() {
    clock.set({2024, 3, 5, 10, 0, 0, 0});
    game.state.tally.StartedAt = clock.now();
  }
  const GameTally& tally() { return game.state.tally; }
};

TEST_F(GameStatisticsTest, BattleLuckTestsItemsAndTime) {
  add(opponent(1, 7, 4));
  declare("N001");
  // The rest of a book of twenty numbered chapter points, its rules and background.
  for (int number = -1; number <= 20; ++number) game.stores.chapters.Insert({.Number = number});
  setUp();
  round(kWon);
  round(kDraw);
  round(kWon);
  ASSERT_TRUE(b().LastBattleWon);
  dice.push({6, 6});
  diceTests().SzerencseProba();  // 12 against Luck 9
  dice.push({2, 3});
  diceTests().SzerencseProba();  // 5 against Luck 8
  Equipment equipment(game);
  game.stores.items.Insert({.Number = 5, .Name = "Kötél"});
  game.stores.items.Insert({.Number = 6, .Name = "Lámpás"});
  equipment.gainItem(5, 2);
  equipment.gainItem(5, 1);  // more of one held: not a new item
  equipment.gainItem(6, 1);
  equipment.loseItem(5, 1);
  equipment.loseItem(6, 1);
  game.state.navigation.VisitedPath = {"1", "12", "3", "12"};
  clock.set({2024, 3, 5, 11, 2, 5, 0});

  const GameStatistics s = CollectStatistics(game);
  EXPECT_EQ(3, s.chaptersVisited);
  EXPECT_EQ(20, s.chaptersInBook);
  EXPECT_EQ(4, s.steps);
  EXPECT_EQ(1, s.battlesWon);
  EXPECT_EQ(0, s.battlesFled + s.battlesLost);
  EXPECT_EQ(3, s.roundsFought);
  EXPECT_EQ(2, s.luckTests);
  EXPECT_EQ(1, s.luckTestsPassed);
  EXPECT_EQ(3 * 4 + 2 * 2, s.diceThrown);
  EXPECT_EQ(2, s.itemsGained);
  EXPECT_EQ(1, s.itemsLost);
  EXPECT_EQ(3725, s.secondsPlayed);
  EXPECT_EQ("1:02:05", PlayedTimeText(s.secondsPlayed));
}

TEST_F(GameStatisticsTest, FlightAndAnEndWithoutDeathAreCounted) {
  TMonsterRec fleeable = opponent(1, 7, 30);
  fleeable.FlightCode = "1N";
  add(fleeable);
  declare("N001");
  setUp();
  ui.answer(true);
  ui.answer(false);  // flight without a luck test
  battle().KlikkElmenekules();
  ASSERT_TRUE(b().LastBattleFled);

  TMonsterRec merciful = opponent(2, 7, 30);
  merciful.DeathMode = 1;
  add(merciful);
  declare("N002", 14);
  setUp(14);
  setPlayer(10, 2, 9);
  round(kLost);
  EXPECT_EQ("Csata vége...", line1());
  EXPECT_EQ(1, tally().BattlesFled);
  EXPECT_EQ(1, tally().BattlesLost);
  EXPECT_EQ(0, tally().BattlesWon);
}

TEST_F(GameStatisticsTest, ANewGameStartsAFreshTallyAtTheClock) {
  game.state.tally.DiceThrown = 40;
  clock.set({2024, 3, 6, 8, 0, 0, 0});
  Lifecycle(game).ValtozoInicializalas();
  EXPECT_EQ((GameTally{.StartedAt = {2024, 3, 6, 8, 0, 0, 0}}), tally());
}

TEST_F(GameStatisticsTest, OddsOfTheBattleOnlyWhileOneIsAtHand) {
  setPlayer(10, 2, 7);
  PageOdds odds = OddsNow(game);
  EXPECT_FALSE(odds.battle);
  EXPECT_DOUBLE_EQ(21.0 / 36, odds.luckChance);
  EXPECT_EQ((std::vector<TextRow>{{"Esély a sikeres Szerencse próbára:", "58,3% (Szerencse: 7)"}}), OddsRows(odds));

  add(opponent(1, 7, 2));
  declare("N001");
  setUp();
  odds = OddsNow(game);
  ASSERT_TRUE(odds.battle);
  EXPECT_TRUE(odds.battle->exact);
  const RoundChances r = RoundOdds(10, 7);
  EXPECT_NEAR(r.won / (r.won + r.lost), odds.battle->winChance, 1e-12);  // one decisive round
  EXPECT_EQ(2u, OddsRows(odds).size());

  round(kWon);
  EXPECT_FALSE(OddsNow(game).battle);
}

TEST(PageTexts, PercentsAndStatisticsRows) {
  struct Case {
    double chance;
    const char* text;
  };
  for (const Case& c : {Case{0, "0,0%"}, Case{1.0 / 36, "2,8%"}, Case{0.5, "50,0%"}, Case{1, "100,0%"}}) {
    EXPECT_EQ(c.text, PercentText(c.chance));
  }
  const std::vector<TextRow> rows = StatisticsRows(
      {.chaptersVisited = 30, .chaptersInBook = 400, .battlesWon = 2, .battlesFled = 1, .secondsPlayed = 65});
  EXPECT_EQ((TextRow{"Bejárt FejezetPontok:", "30 / 400"}), rows.front());
  EXPECT_EQ((TextRow{"Csaták (győzelem / menekülés / vereség):", "2 / 1 / 0"}), rows[2]);
  EXPECT_EQ((TextRow{"Játékidő:", "0:01:05"}), rows.back());
}

}  // namespace
}  // namespace zrx::test
