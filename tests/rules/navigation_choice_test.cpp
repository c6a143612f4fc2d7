// Choosing a continuation: from the list, by typing its number, and the end markers.
#include "lifecycle.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

class NavigationChoiceTest : public RulesFixture {
 protected:
  NavigationChoiceTest() {
    state().ChapterTexts = {{"Háttér"}, {"Egy"}, {"Kettő"}, {"Három"}, {"Négy"}, {"Szabály"}};
    chapter({.Number = 1, .NextChapters = "002HHHGGG"});
    chapter({.Number = 2, .NextChapters = "003"});
    chapter({.Number = 3, .NextChapters = "004"});
    chapter({.Number = 4, .NextChapters = "001"});
    game.stores.books.Insert({.Number = 1, .ChapterCount = 6});
  }

  void enter(int number) {
    state().CurrentChapter = number;
    navigation().FejezetPont();
  }
  void choose(int index) {
    navigation().ListBoxNextClick(index);
    navigation().KlikkFejezetPontKivalasztas();
  }
  void type(const std::string& text) {
    navigation().EditNextChange(text);
    navigation().KlikkFejezetPontKivalasztas();
  }
  std::vector<std::string> infoLines(std::size_t i) {
    const auto infos = ui.eventsOf(UiEvent::Kind::Info);
    return i < infos.size() ? infos[i].lines : std::vector<std::string>{};
  }
};

TEST_F(NavigationChoiceTest, ListEntryLeadsToItsChapterPoint) {
  enter(1);
  EXPECT_EQ((TextList{"2", "Vége", "Győzelem"}), game.screen.ListBoxNext.items());
  navigation().ListBoxNextClick(0);
  EXPECT_EQ(" 2 ", game.screen.LabelNext1.text());
  EXPECT_EQ(Colour::DarkBlue, game.screen.LabelNext1.colour());
  EXPECT_TRUE(game.screen.LabelNext1.visible());
  EXPECT_TRUE(game.screen.NyilRajz.visible());
  navigation().KlikkFejezetPontKivalasztas();
  EXPECT_EQ(2, state().CurrentChapter);
  EXPECT_EQ("2", game.screen.LabelFPont.text());
  EXPECT_EQ((TextList{"Kettő"}), game.screen.RichEdit1.items());
  EXPECT_EQ((TextList{"3"}), game.screen.ListBoxNext.items());
  EXPECT_EQ((TextList{"3"}), state().navigation.NextChapterList);
  EXPECT_EQ(-1, game.screen.ListBoxNext.selection());
  EXPECT_FALSE(game.screen.LabelNext1.visible());
  EXPECT_FALSE(game.screen.NyilRajz.visible());
  EXPECT_EQ((TextList{"1", "2"}), state().navigation.VisitedPath);
}

TEST_F(NavigationChoiceTest, WithoutASelectionTheArrowOpensThePendingPage) {
  struct Case { int kind; int page; };
  const Case cases[] = {{0, 3},  {4, 3},  {5, 3},  {6, 2},  {11, 2}, {17, 2}, {20, 2}, {12, 1},
                        {13, 4}, {14, 4}, {16, 5}, {15, 0}, {21, 0}, {-1, 0}};
  for (const auto& c : cases) {
    game.screen.PageControl1.setValue(0);
    state().navigation.PendingKind = c.kind;
    navigation().KlikkFejezetPontKivalasztas();
    EXPECT_EQ(c.page, game.screen.PageControl1.value()) << "kind " << c.kind;
  }
}

TEST_F(NavigationChoiceTest, NothingHappensWithoutAGame) {
  enter(1);
  state().GameLoaded = false;
  choose(0);
  EXPECT_EQ(1, state().CurrentChapter);
}

TEST_F(NavigationChoiceTest, FailureEndEndsTheGameWithoutTheVictoryWindow) {
  state().GameLoaded = true;
  enter(1);
  choose(1);
  EXPECT_FALSE(state().GameLoaded);
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Victory).empty());
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Death).empty());
  EXPECT_TRUE(game.screen.ListBoxNext.items().empty());
}

TEST_F(NavigationChoiceTest, VictoryShowsTheVictoryWindowThenEndsTheGame) {
  enter(1);
  choose(2);
  ASSERT_EQ(1u, ui.eventsOf(UiEvent::Kind::Victory).size());
  EXPECT_FALSE(state().GameLoaded);
  EXPECT_EQ("", game.screen.LabelFPont.text());
}

class TypedChoiceTest : public NavigationChoiceTest {
 protected:
  // Chapter 5 asks for the number of chapter 10 ("00A"); the fallback is the second code.
  void offerTyped(const std::string& attempts, const std::string& fallback) {
    game.stores.chapters.Clear();
    chapter({.Number = 5, .NextChapters = "00A" + fallback, .Conditions = "X" + attempts});
    chapter({.Number = 10, .NextChapters = "001"});
    chapter({.Number = 3, .NextChapters = "004"});
    state().ChapterTexts.resize(12);
    enter(5);
  }
};

TEST_F(TypedChoiceTest, TypedModeShowsTheNumberField) {
  offerTyped("3", "003");
  EXPECT_TRUE(state().navigation.TypedChoiceMode);
  EXPECT_EQ((TextList{"X3", "00A003"}), state().navigation.NextChapterList);
  EXPECT_FALSE(game.screen.ListBoxNext.visible());
  EXPECT_TRUE(game.screen.EditNext.visible());
  EXPECT_EQ("Továbblépés:", game.screen.LabelLehetosegek.text());
  EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind);
  navigation().EditNextChange("1");
  EXPECT_EQ(" 1 ", game.screen.LabelNext1.text());
}

TEST_F(TypedChoiceTest, CorrectAnswerLeadsOn) {
  offerTyped("1", "HHH");
  type("10");
  EXPECT_EQ((std::vector<std::string>{"Helyes értéket adtál meg!", ""}), infoLines(0));
  EXPECT_EQ(10, state().CurrentChapter);
  EXPECT_FALSE(state().navigation.TypedChoiceMode);
  EXPECT_TRUE(game.screen.ListBoxNext.visible());
  EXPECT_FALSE(game.screen.EditNext.visible());
  EXPECT_EQ("", game.screen.EditNext.text());
  EXPECT_EQ("Lehetőségek:", game.screen.LabelLehetosegek.text());
  EXPECT_EQ((TextList{"1"}), game.screen.ListBoxNext.items());
}

TEST_F(TypedChoiceTest, TextThatIsNoNumberChangesNothing) {
  offerTyped("1", "HHH");
  for (const char* text : {"", "tíz", "1 0", "10a", "0x0A"}) {
    ui.clearEvents();
    type(text);
    EXPECT_EQ((std::vector<std::string>{"Számot kell megadnod!", ""}), infoLines(0)) << '"' << text << '"';
    EXPECT_TRUE(state().navigation.TypedChoiceMode) << text;
    EXPECT_EQ(1, state().navigation.WrongGuessCount) << text;
  }
}

TEST_F(TypedChoiceTest, AttemptsDigitDecidesWhenTheFallbackTakesOver) {
  struct Case { const char* attempts; const char* fallback; int wrongAnswers; bool dies; int endChapter; };
  const Case cases[] = {
      {"1", "003", 1, false, 3},
      {"1", "HHH", 1, true, 5},
      {"3", "003", 3, false, 3},
      {"3", "HHH", 3, true, 5},
  };
  for (const auto& c : cases) {
    state().GameLoaded = true;
    ui.clearEvents();
    offerTyped(c.attempts, c.fallback);
    for (int i = 1; i <= c.wrongAnswers; ++i) {
      type("7");
      const auto lines = infoLines(static_cast<std::size_t>(i - 1));
      ASSERT_EQ(2u, lines.size()) << c.attempts << c.fallback;
      EXPECT_EQ("Rossz értéket adtál meg!", lines[0]);
      if (i < c.wrongAnswers) {
        EXPECT_EQ("Próbálkozz újra!", lines[1]) << "answer " << i;
        EXPECT_EQ("", game.screen.EditNext.text());
        EXPECT_TRUE(state().navigation.TypedChoiceMode);
      } else {
        EXPECT_EQ(c.dies ? "Kalandod itt véget ér!" : "", lines[1]) << c.attempts << c.fallback;
      }
    }
    EXPECT_EQ(c.dies ? 1u : 0u, ui.eventsOf(UiEvent::Kind::Death).size()) << c.attempts << c.fallback;
    EXPECT_EQ(!c.dies, state().GameLoaded) << c.attempts << c.fallback;
    EXPECT_FALSE(state().navigation.TypedChoiceMode);
    if (!c.dies) {
      EXPECT_EQ(c.endChapter, state().CurrentChapter) << c.attempts << c.fallback;
    }
  }
}

TEST_F(TypedChoiceTest, DeathWindowClosesTheGameWithItsPagesReset) {
  offerTyped("1", "HHH");
  game.screen.DKEredmenyLabel(1).setText("5");
  game.screen.LabelNext1.setVisible(true);
  type("7");
  ASSERT_EQ(1u, ui.eventsOf(UiEvent::Kind::Death).size());
  EXPECT_EQ("", game.screen.DKEredmenyLabel(1).text());
  EXPECT_FALSE(game.screen.LabelNext1.visible());
  EXPECT_FALSE(game.screen.EditNext.visible());
  EXPECT_FALSE(state().GameLoaded);
  EXPECT_TRUE(game.screen.MemoFP.items().empty());
}

}  // namespace
}  // namespace zrx::test
