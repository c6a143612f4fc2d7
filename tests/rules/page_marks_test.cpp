// Page marking for pending kinds, settling the marks, and what the story page resets.
#include "rules_fixture.h"

namespace zrx::test {
namespace {

using PageMarksTest = RulesFixture;

TEST_F(PageMarksTest, EachKindHighlightsItsAction) {
  struct Case { int kind; const char* control; };
  const Case cases[] = {
      {0, "LabelSzProba"},          {1, "LabelDobas1Kocka"},      {2, "LabelDobas2Kocka"},
      {3, "LabelDobas3Kocka"},      {4, "LabelDobas4Kocka"},      {6, "LabelTargyFelvetel"},
      {7, "LabelTargyFelvetel"},    {8, "LabelTargyFelvetel"},    {17, "LabelTargyFelvetel"},
      {19, "LabelTargyFelvetel"},   {9, "LabelTargyKivalasztas"}, {10, "LabelTargyKivalasztas"},
      {18, "LabelTargyKivalasztas"}, {20, "LabelTargyKivalasztas"},
  };
  const char* actions[] = {"LabelSzProba", "LabelDobas1Kocka", "LabelDobas2Kocka", "LabelDobas3Kocka",
                           "LabelDobas4Kocka", "LabelTargyFelvetel", "LabelTargyKivalasztas"};
  for (const auto& c : cases) {
    for (const char* name : actions) {
      game.screen.control(name).setEnabled(false);
      game.screen.control(name).setColour(Colour::Navy);
    }
    navigation().OldalValtasJelzes(c.kind, false);
    for (const char* name : actions) {
      const bool marked = std::string(name) == c.control;
      EXPECT_EQ(marked, game.screen.control(name).enabled()) << "kind " << c.kind << ", " << name;
      EXPECT_EQ(marked ? Colour::DarkBlue : Colour::Navy, game.screen.control(name).colour())
          << "kind " << c.kind << ", " << name;
    }
  }
  EXPECT_FALSE(game.screen.TimerAlarm.enabled()) << "no blinking was asked for";
}

TEST_F(PageMarksTest, LuckTestShowsTheCurrentLuck) {
  state().values.Luck = 7;
  navigation().OldalValtasJelzes(0, false);
  EXPECT_EQ("7", game.screen.LabelSZPErtek.text());
  EXPECT_TRUE(game.screen.LabelSZPErtek.visible());
}

TEST_F(PageMarksTest, AnEnabledItemActionKeepsItsColour) {
  game.screen.LabelTargyFelvetel.setEnabled(true);
  game.screen.LabelTargyFelvetel.setColour(Colour::Blue);
  navigation().OldalValtasJelzes(6, false);
  EXPECT_EQ(Colour::Blue, game.screen.LabelTargyFelvetel.colour());
}

TEST_F(PageMarksTest, BlinkingSignalsThePendingKind) {
  state().navigation.PendingKind = 13;
  navigation().OldalValtasJelzes(13, true);
  EXPECT_TRUE(game.screen.TimerAlarm.enabled());
  EXPECT_EQ(13, game.screen.TimerAlarm.value());
}

TEST_F(PageMarksTest, SettlingTurnsWaitingAndHandledIntoDone) {
  state().navigation.PageMarks = "012300";
  navigation().ValtasBeallitas();
  EXPECT_EQ("033300", state().navigation.PageMarks);
}

TEST_F(PageMarksTest, BackOnTheStoryPageTheHandledPagesAreReset) {
  struct Case { const char* marks; bool testsReset; bool itemsReset; bool hintsHidden; };
  const Case cases[] = {
      {"000000", false, false, false}, {"300000", true, false, true}, {"000030", true, false, true},
      {"000003", true, false, true},   {"030000", false, true, true}, {"003000", false, false, true},
      {"000300", false, false, false}, {"111221", false, false, false},
  };
  for (const auto& c : cases) {
    // An offer laid out on the equipment page, which the reset takes down.
    game.screen.GroupBox1.setVisible(true);
    game.screen.FT_Elrendezes.setValue(2);
    game.screen.LabelSzProba.setEnabled(true);
    game.screen.DKEredmenyLabel(2).setText("7");
    game.screen.LabelNext1.setVisible(true);
    game.screen.LabelNext2.setVisible(true);
    game.screen.NyilRajz.setVisible(true);
    game.screen.EditNext.setVisible(true);
    state().navigation.PageMarks = c.marks;
    navigation().ValtasVizsgalat();
    EXPECT_EQ(c.testsReset, !game.screen.LabelSzProba.enabled()) << c.marks;
    EXPECT_EQ(c.testsReset, game.screen.DKEredmenyLabel(2).text().empty()) << c.marks;
    EXPECT_EQ(c.itemsReset, !game.screen.GroupBox1.visible()) << c.marks;
    EXPECT_EQ(c.itemsReset ? 0 : 2, game.screen.FT_Elrendezes.value()) << c.marks;
    EXPECT_EQ(c.hintsHidden, !game.screen.LabelNext1.visible()) << c.marks;
    EXPECT_EQ(c.hintsHidden, !game.screen.LabelNext2.visible()) << c.marks;
    EXPECT_EQ(c.hintsHidden, !game.screen.NyilRajz.visible()) << c.marks;
    EXPECT_TRUE(game.screen.EditNext.visible()) << c.marks << ": a typed answer stays possible";
  }
}

}  // namespace
}  // namespace zrx::test
