#include <map>

#include "dice_tests.h"
#include "game_fixture.h"

namespace zrx::test {
namespace {

using DiceRollTest = GameFixture;

PictureRef face(int pips) { return {PictureRef::Source::DiceFace, pips}; }

TEST_F(DiceRollTest, SumsOneToFourDice) {
  dice.push({3, 1, 6, 2, 5, 4, 4, 4, 4, 6});
  EXPECT_EQ(3, game.KockaDobas(1, false, ""));
  EXPECT_EQ(7, game.KockaDobas(2, false, ""));
  EXPECT_EQ(11, game.KockaDobas(3, false, ""));
  EXPECT_EQ(18, game.KockaDobas(4, false, ""));
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(DiceRollTest, CountOutsideOneToFourRollsNothing) {
  std::map<std::string, std::uint64_t> versions;
  for (const auto& [name, control] : game.screen.all()) versions[name] = control.version();
  for (int count : {0, 5, -1}) {
    EXPECT_EQ(0, game.KockaDobas(count, true, "")) << count;
  }
  EXPECT_EQ(0, dice.rolls());
  for (const auto& [name, control] : game.screen.all()) {
    EXPECT_EQ(versions[name], control.version()) << name << " changed";
  }
}

TEST_F(DiceRollTest, SingleDiceFillThreeSlotsThenReplaceTheThird) {
  dice.push({1, 2, 3, 4});
  for (int i = 0; i < 4; ++i) game.KockaDobas(1, true, "");
  EXPECT_EQ(face(1), game.screen.ImageDE(1, 1).picture());
  EXPECT_EQ(face(2), game.screen.ImageDE(1, 2).picture());
  EXPECT_EQ(face(4), game.screen.ImageDE(1, 3).picture());
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(game.screen.ImageDE(1, k).visible()) << k;
}

TEST_F(DiceRollTest, SeveralDiceGoIntoTheirOwnSlotsInOrder) {
  dice.push({5, 2, 6, 1, 3, 2});
  game.KockaDobas(2, true, "");
  game.KockaDobas(4, true, "");
  EXPECT_EQ(face(5), game.screen.ImageDE(2, 1).picture());
  EXPECT_EQ(face(2), game.screen.ImageDE(2, 2).picture());
  EXPECT_EQ(face(6), game.screen.ImageDE(4, 1).picture());
  EXPECT_EQ(face(2), game.screen.ImageDE(4, 4).picture());
  EXPECT_TRUE(game.screen.ImageDE(4, 4).visible());
  EXPECT_FALSE(game.screen.ImageDE(3, 1).visible());
  EXPECT_FALSE(game.screen.ImageDE(1, 1).visible());
}

TEST_F(DiceRollTest, UnshownRollLeavesTheScreen) {
  dice.push({5, 2});
  game.KockaDobas(2, false, "");
  EXPECT_FALSE(game.screen.ImageDE(2, 1).visible());
  EXPECT_EQ(PictureRef{}, game.screen.ImageDE(2, 1).picture());
}

TEST_F(DiceRollTest, ClearingThePanelResetsLabelsActionsAndSlots) {
  dice.push({1, 2, 3, 4, 5, 6, 1, 2, 3});
  game.KockaDobas(1, true, "");
  game.KockaDobas(4, true, "");
  game.KockaDobas(3, true, "");
  game.screen.DKEredmenyLabel(3).setText("6");
  game.screen.LabelDobasKocka(2).setEnabled(true);
  game.screen.LabelSzProba.setEnabled(true);
  game.screen.LabelSZPEredmenyErtek.setText("Szerencse");
  DiceTests(game).ProbakCsatakAlaphelyzet();

  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ("", game.screen.DKEredmenyLabel(n).text()) << n;
    EXPECT_FALSE(game.screen.LabelDobasKocka(n).enabled()) << n;
  }
  for (const auto& [name, control] : game.screen.all()) {
    if (name.rfind("ImageDE", 0) != 0) continue;
    EXPECT_FALSE(control.visible()) << name;
    EXPECT_EQ(PictureRef{}, control.picture()) << name;
  }
  EXPECT_FALSE(game.screen.LabelSzProba.enabled());
  EXPECT_EQ("", game.screen.LabelSZPEredmenyErtek.text());
}

TEST(ClockSeededDice, StaysWithinOneToSixAndShowsEveryFace) {
  ClockSeededDice dice;
  std::array<int, 7> seen{};
  for (int i = 0; i < 600; ++i) {
    const int pips = dice.roll("");
    ASSERT_GE(pips, 1);
    ASSERT_LE(pips, 6);
    ++seen[static_cast<std::size_t>(pips)];
  }
  for (int f = 1; f <= 6; ++f) EXPECT_GT(seen[static_cast<std::size_t>(f)], 0) << "face " << f;
}

}  // namespace
}  // namespace zrx::test
