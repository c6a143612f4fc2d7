// The map of the adventure after scripted play-throughs: nodes, steps in order, the
// current node, the continuations offered now and the ends.
#include "adventure_map.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

class AdventureMapTest : public RulesFixture {
 protected:
  AdventureMapTest() {
    state().ChapterTexts = {{"Háttér"},
                            {"A kapu előtt állsz.", "Hideg szél fúj."},
                            {"Egy keskeny ösvény vezet a sötét erdőbe, messze a várostól."},
                            {"Titkos kamra, amelyet sosem láthatsz."},
                            {"A folyó partján"},
                            {"Meghaltál a mocsárban."},
                            {"Szabályok"}};
    chapter({.Number = 1, .NextChapters = "002004"});
    chapter({.Number = 2, .NextChapters = "001003004"});
    chapter({.Number = 3, .NextChapters = "001"});
    chapter({.Number = 4, .NextChapters = "005GGG", .Conditions = "X1"});
    chapter({.Number = 5, .NextChapters = "HHH"});
  }

  void enter(int number) {
    state().CurrentChapter = number;
    navigation().FejezetPont();
  }
  void choose(const std::string& entry) {
    const TextList& offered = game.screen.ListBoxNext.items();
    const auto at = std::find(offered.begin(), offered.end(), entry);
    ASSERT_NE(offered.end(), at) << entry << " is not offered";
    navigation().ListBoxNextClick(static_cast<int>(at - offered.begin()));
    navigation().KlikkFejezetPontKivalasztas();
  }
  std::vector<int> chaptersOf(const AdventureMap& map) {
    std::vector<int> chapters;
    for (const MapNode& node : map.nodes) chapters.push_back(node.chapter);
    return chapters;
  }
  std::vector<std::pair<int, int>> stepsOf(const AdventureMap& map) {
    std::vector<std::pair<int, int>> steps;
    for (const MapEdge& e : map.edges) steps.emplace_back(map.nodes[e.from].chapter, map.nodes[e.to].chapter);
    return steps;
  }
};

TEST_F(AdventureMapTest, PlayThroughGivesNodesStepsInOrderAndTheOfferedStubs) {
  EXPECT_TRUE(BuildAdventureMap(state()).nodes.empty());
  enter(1);
  choose("2");
  choose("1");
  choose("2");
  const AdventureMap map = BuildAdventureMap(state());
  EXPECT_EQ((std::vector<int>{1, 2}), chaptersOf(map));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {1, 2}}), stepsOf(map));
  EXPECT_EQ(4u, map.steps);
  EXPECT_EQ(1, map.current);
  EXPECT_EQ(2, map.nodes[0].visits);
  EXPECT_EQ(2, map.nodes[1].visits);
  EXPECT_EQ("A kapu előtt állsz. Hideg…", map.nodes[0].title);
  EXPECT_EQ("A kapu előtt állsz. Hideg szél fúj.", map.nodes[0].snippet);
  ASSERT_EQ(3u, map.stubs.size());
  EXPECT_EQ((std::vector<int>{1, 3, 4}),
            (std::vector<int>{map.stubs[0].chapter, map.stubs[1].chapter, map.stubs[2].chapter}));
  EXPECT_EQ(EndMark::None, map.nodes[1].end);
  // The offered chapter point 3 is only a number: its text is nowhere on the map.
  EXPECT_EQ(-1, map.nodeOf(3));
  for (const MapNode& node : map.nodes) EXPECT_EQ(std::string::npos, node.snippet.find("Titkos"));
}

TEST_F(AdventureMapTest, TypedContinuationAndDeathAreMarked) {
  enter(1);
  choose("4");
  AdventureMap map = BuildAdventureMap(state());
  ASSERT_EQ(1u, map.stubs.size());
  EXPECT_EQ("?", map.stubs[0].label);  // the number must be typed: it is not shown

  navigation().EditNextChange("5");
  navigation().KlikkFejezetPontKivalasztas();
  map = BuildAdventureMap(state());
  EXPECT_EQ((std::vector<int>{1, 4, 5}), chaptersOf(map));
  EXPECT_EQ(2, map.current);
  ASSERT_EQ(1u, map.stubs.size());
  EXPECT_EQ("Vége", map.stubs[0].label);
  EXPECT_EQ(EndMark::Death, map.stubs[0].end);
  EXPECT_EQ(EndMark::Death, map.nodes[2].end);
  EXPECT_EQ(EndMark::None, map.nodes[1].end);
}

TEST_F(AdventureMapTest, RulesAndBackgroundHaveNoCurrentNode) {
  enter(1);
  choose("2");
  state().CurrentChapter = 0;  // a game shows the background before the first chapter point
  const AdventureMap map = BuildAdventureMap(state());
  EXPECT_EQ(2u, map.nodes.size());
  EXPECT_EQ(-1, map.current);
  EXPECT_TRUE(map.stubs.empty());
}

TEST(TextStart, CutsAtAWordWithinTheLimit) {
  struct Case {
    TextList lines;
    std::size_t limit;
    std::string expected;
  };
  const Case cases[] = {
      {{"Rövid"}, 10, "Rövid"},
      {{"  Sok   szóköz ", "\tés sor"}, 40, "Sok szóköz és sor"},
      {{"Árvíztűrő tükörfúrógép"}, 22, "Árvíztűrő tükörfúrógép"},  // accents count once
      {{"Árvíztűrő tükörfúrógép"}, 21, "Árvíztűrő…"},
      {{"Hosszúszóamelynemfér"}, 5, "Hossz…"},
      {{}, 10, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, TextStart(c.lines, c.limit)) << c.expected;
}

}  // namespace
}  // namespace zrx::test
