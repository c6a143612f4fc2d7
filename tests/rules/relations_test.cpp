// The relation operators, their single results and how the results of one item combine.
#include "rules_fixture.h"

namespace zrx::test {
namespace {

using RelationTest = RulesFixture;

TEST_F(RelationTest, SingleComparisons) {
  struct Case { const char* op; bool less, equal, greater; };  // a < b, a = b, a > b
  const Case cases[] = {
      {"==", false, true, false}, {">>", false, false, true}, {"<<", true, false, false},
      {"<>", true, false, true},  {">=", false, true, true},  {"<=", true, true, false},
      {"NK", false, false, true}, {"NN", true, false, false}, {"N<", false, true, true},
      {"N>", true, true, false},
  };
  for (const auto& c : cases) {
    const std::pair<int, bool> rows[] = {{4, c.less}, {5, c.equal}, {6, c.greater}};
    for (const auto& [a, expected] : rows) {
      state().conditions.ConditionMet = !expected;
      conditions().RelacioEllenorzes(a, 5, c.op, 1, 1);
      EXPECT_EQ(expected, state().conditions.ConditionMet) << a << ' ' << c.op << " 5";
    }
  }
}

TEST_F(RelationTest, PlainOperatorsNeedAllComparisonsAndTheOthersOne) {
  struct Case { const char* op; int b1, b2, b3; bool expected; };
  const Case cases[] = {
      {">=", 5, 5, 5, true},  {">=", 5, 6, 5, false}, {"==", 5, 5, 4, false},
      {"NK", 6, 6, 4, true},  {"NK", 5, 6, 7, false}, {"NN", 4, 4, 6, true},
      {"N<", 6, 6, 5, true},  {"N<", 6, 7, 8, false}, {"N>", 4, 3, 5, true},
  };
  for (const auto& c : cases) {
    state().conditions.ConditionMet = !c.expected;
    const int rights[] = {c.b1, c.b2, c.b3};
    for (int i = 1; i <= 3; ++i) {
      conditions().RelacioEllenorzes(5, rights[i - 1], c.op, 3, i);
      if (i < 3) {
        EXPECT_EQ(!c.expected, state().conditions.ConditionMet) << "combined before the last";
      }
    }
    EXPECT_EQ(c.expected, state().conditions.ConditionMet)
        << "5 " << c.op << ' ' << c.b1 << ',' << c.b2 << ',' << c.b3;
  }
}

TEST_F(RelationTest, UnknownOperatorRecordsNothing) {
  state().conditions.PartialResults = {false, true, true, true};
  state().conditions.ConditionMet = true;
  conditions().RelacioEllenorzes(1, 9, "=<", 1, 1);
  EXPECT_TRUE(state().conditions.ConditionMet);
  EXPECT_TRUE(state().conditions.PartialResults[1]);
}

TEST_F(RelationTest, CombinationModes) {
  auto& partial = state().conditions.PartialResults;
  partial = {false, true, false, true};
  conditions().KizaroFeltetelEllenorzes(0, 3);
  EXPECT_FALSE(state().conditions.ConditionMet);
  conditions().KizaroFeltetelEllenorzes(0, 1);
  EXPECT_TRUE(state().conditions.ConditionMet);
  conditions().KizaroFeltetelEllenorzes(1, 3);
  EXPECT_TRUE(state().conditions.ConditionMet);
  partial = {false, false, false, false};
  conditions().KizaroFeltetelEllenorzes(1, 3);
  EXPECT_FALSE(state().conditions.ConditionMet);
}

}  // namespace
}  // namespace zrx::test
