// Characteristic changes (queue 1): each form with its length and effect.
#include <functional>

#include "book_code.h"
#include "changes_fixture.h"

namespace zrx::test {
namespace {

struct Case {
  const char* name;
  const char* change;  // the change under test, numbered 01, without its "#"
  std::function<void(ChangesWorld&)> arrange;
  int characteristic;
  int expected;
};

TEST(CharacteristicCommands, EachFormChangesItsCharacteristicAndHasItsLength) {
  const Case cases[] = {
      {"N subtracts", "01N01-03", nullptr, 1, 7},
      {"N sets", "01N01=05", nullptr, 1, 5},
      {"N past the start is brought back", "01N01+05", nullptr, 1, 12},
      {"V back to start", "01xV01", nullptr, 1, 12},
      {"C copies", "01xC0103", nullptr, 1, 8},
      {"F exchanges", "01xF0301", nullptr, 1, 8},
      {"F checks the other side too", "01xF0103", nullptr, 3, 10},
      {"P after the chapter", "01xP01+02005", nullptr, 1, 12},
      {"P after another chapter", "01xP01+02006", nullptr, 1, 10},
      {"I information held", "01xI01-02007+",
       [](ChangesWorld& f) { f.game.state.knowledge.InfoList = {"007"}; }, 1, 8},
      {"I information not held", "01xI01-02007+", nullptr, 1, 10},
      {"I minus, not held", "01xI01-02007-", nullptr, 1, 8},
      {"T item held", "01xT01-03003+", [](ChangesWorld& f) { f.hold(3, 1); }, 1, 7},
      {"T item not held", "01xT01-03003+", [](ChangesWorld& f) { f.item({.Number = 3}); }, 1, 10},
      {"B raises to a lower bound", "01xB01T003+11A", nullptr, 1, 11},
      {"B leaves a value above the lower bound", "01xB01T003+09A", nullptr, 1, 10},
      {"B lowers to an upper bound", "01xB01I003-04F", nullptr, 1, 4},
      {"L gives back life wounds but n", "01xL021",
       [](ChangesWorld& f) { f.game.state.battle.PlayerLifeWounds = "0402"; }, 2, 18},
      {"L ignores another characteristic's tally", "01xL011",
       [](ChangesWorld& f) { f.game.state.battle.PlayerLifeWounds = "0402"; }, 1, 10},
      {"L with nothing to give back", "01xL024",
       [](ChangesWorld& f) { f.game.state.battle.PlayerLifeWounds = "0402"; }, 2, 15},
      {"unknown letter skipped as a plain change", "01xZ0101", nullptr, 1, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChangesWorld w;
    if (c.arrange) c.arrange(w);
    // The change after it is found only when the first one's length is right.
    w.enter(std::string(c.change) + "#02N04+01#");
    EXPECT_EQ(c.expected, w.current(c.characteristic));
    EXPECT_EQ(1, w.current(4)) << "the next change did not run";
    EXPECT_TRUE(w.continuationsOffered());
    EXPECT_EQ("", w.game.state.changes.ChangeQueue1);
  }
}

TEST(CharacteristicCommands, StartChangeMovesTheStartValueOnly) {
  ChangesWorld w;
  w.enter("01xK01+02#02xK04-10#");
  EXPECT_EQ(14, w.start(1));
  EXPECT_EQ(10, w.current(1));
  EXPECT_EQ(40, w.start(4));
  EXPECT_EQ(14, w.game.state.values.SkillStart);
}

TEST(CharacteristicCommands, FatalLimitLeavesOnlyTheEndAndDropsTheRest) {
  ChangesWorld w;
  w.enter("01N02-15#03N04+01#", "", "02N+007#", "", "N001");
  EXPECT_TRUE(w.endedHere());
  EXPECT_EQ(15, w.pendingKind());
  EXPECT_EQ(0, w.current(4));
  EXPECT_FALSE(w.hasInfo(7));
  EXPECT_FALSE(w.battleSetUp());
  EXPECT_EQ(0, w.game.state.values.Stamina);
  EXPECT_FALSE(w.game.state.changes.ChangesActive);
}

TEST(CharacteristicCommands, CountingUpValueReachingItsMaximumIsFatal) {
  ChangesWorld w;
  w.enter("01N05+08#02N04+01#");
  EXPECT_TRUE(w.endedHere());
  EXPECT_EQ(0, w.current(4));
}

TEST(CharacteristicCommands, MalformedNumberIsABookCodeError) {
  ChangesWorld w;
  EXPECT_THROW(w.enter("01N0x-03#"), BookCodeError);
  ChangesWorld shortChange;
  EXPECT_THROW(shortChange.enter("01xO01"), BookCodeError);
}

}  // namespace
}  // namespace zrx::test
