// Why a greyed action waits, in the player's words: every action that can wait has a
// reason, and the reasons follow the game state.
#include "action_wait_reasons.h"

#include "pending_kind.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;

class ActionWaitReasonTest : public RulesFixture {};

TEST_F(ActionWaitReasonTest, EveryGreyedActionSaysWhy) {
  for (const std::string& name : ActionsWithReasons()) {
    if (name == "ListBoxNext" || name == "BitBtn3") continue;  // these wait on the state, not on their flag
    game.screen.control(name).setEnabled(false);
    EXPECT_FALSE(ActionWaitReason(game, name).empty()) << name;
    game.screen.control(name).setEnabled(true);
    EXPECT_EQ("", ActionWaitReason(game, name)) << name;
  }
}

TEST_F(ActionWaitReasonTest, TheRollAskedForIsNamedBesideTheOtherRolls) {
  EXPECT_EQ("Most nem kell kockával dobnod.", ActionWaitReason(game, "LabelDobas2Kocka"));
  game.screen.LabelDobasKocka(1).setText("Dobás egy kockával");
  game.screen.LabelDobasKocka(1).setEnabled(true);
  EXPECT_EQ("A kért dobás: \"Dobás egy kockával\".", ActionWaitReason(game, "LabelDobas2Kocka"));
}

TEST_F(ActionWaitReasonTest, EmptyContinuationsNameWhatTheyWaitFor) {
  struct Case {
    int pendingKind;
    bool rollRequested;
    TextList offered;
    std::string expected;  // a part of the reason; empty: no reason
  };
  const Case cases[] = {
      {ToInt(PendingKind::Buy), false, {}, "\"Felszerelési tárgyak\""},
      {ToInt(PendingKind::Battle), false, {}, "\"Próbák - Csaták\""},
      {ToInt(PendingKind::InfoUse), false, {}, "\"Információk\""},
      {ToInt(PendingKind::Buy), true, {}, "dobj a kockával"},
      {ToInt(PendingKind::Choice), false, {}, ""},
      {ToInt(PendingKind::Buy), false, {"12"}, ""},
      {-1, false, {}, ""},
  };
  for (const Case& c : cases) {
    state().navigation.PendingKind = c.pendingKind;
    state().tests.ConditionRollRequested = c.rollRequested;
    game.screen.ListBoxNext.setItems(c.offered);
    const std::string reason = ActionWaitReason(game, "ListBoxNext");
    if (c.expected.empty()) {
      EXPECT_EQ("", reason) << c.pendingKind;
    } else {
      EXPECT_THAT(reason, HasSubstr(c.expected)) << c.pendingKind;
    }
  }
}

}  // namespace
}  // namespace zrx::test
