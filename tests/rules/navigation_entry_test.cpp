// Entering a chapter point: path, text, picture, timed information, slot locks, the
// hand-over to special changes and battles, and the save permission.
#include "rules_fixture.h"

namespace zrx::test {
namespace {

class NavigationEntryTest : public RulesFixture {
 protected:
  NavigationEntryTest() {
    state().ChapterTexts = {{"Háttér"}, {"Első", "sor"}, {"Második"}, {"Harmadik"}, {"Szabály"}};
    chapter({.Number = -1, .NextChapters = "000"});
    chapter({.Number = 0, .NextChapters = "001"});
    chapter({.Number = 1, .NextChapters = "002003"});
    chapter({.Number = 2, .NextChapters = "001", .PictureNumber = 2});
    chapter({.Number = 3, .NextChapters = "GGG"});
    // The opponent of the chapter points that declare a battle ("N001").
    game.stores.monsters.Insert({.Number = 1, .Name = "Ork", .Stamina = 6, .Skill = 7});
  }

  void enter(int chapterNumber) {
    state().CurrentChapter = chapterNumber;
    state().navigation.NextChapterList.clear();
    navigation().FejezetPont();
  }
};

TEST_F(NavigationEntryTest, TextCaptionAndContinuationsOfEachKindOfChapter) {
  struct Case { int chapter; const char* caption; TextList text; TextList offered; };
  const Case cases[] = {
      {-1, "Szabályok", {"Szabály"}, {"0"}},
      {0, "Háttértörténet", {"Háttér"}, {"1"}},
      {1, "1", {"Első", "sor"}, {"2", "3"}},
      {3, "3", {"Harmadik"}, {"Győzelem"}},
  };
  for (const auto& c : cases) {
    game.screen.PageControl1.setValue(4);
    enter(c.chapter);
    EXPECT_EQ(c.caption, game.screen.LabelFPont.text()) << c.chapter;
    EXPECT_EQ(c.text, game.screen.RichEdit1.items()) << c.chapter;
    EXPECT_EQ(0, game.screen.PageControl1.value()) << c.chapter << ": the story page is shown";
    EXPECT_EQ(c.offered, game.screen.ListBoxNext.items()) << c.chapter;
    EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind) << c.chapter;
  }
}

TEST_F(NavigationEntryTest, OnlyNumberedChapterPointsJoinTheVisitedPath) {
  for (int c : {-1, 0, 1, 2, 1}) enter(c);
  EXPECT_EQ((TextList{"1", "2", "1"}), state().navigation.VisitedPath);
  EXPECT_EQ((TextList{"1, 2, 1, "}), game.screen.MemoFP.items());
}

TEST_F(NavigationEntryTest, PictureOfTheChapterOrADecorativeOne) {
  state().CurrentBook.ChapterPictureCount = 2;
  state().CurrentBook.DecorPictureCount = 3;
  state().ChapterPictures.resize(2);
  state().DecorPictures.resize(3);
  enter(2);
  EXPECT_EQ((PictureRef{PictureRef::Source::ChapterPicture, 1}), game.screen.Image1.picture());
  // One die draws among three decorative pictures: (5 - 1) % 3 = 1.
  dice.push({5});
  enter(1);
  EXPECT_EQ((PictureRef{PictureRef::Source::DecorPicture, 1}), game.screen.Image1.picture());
  // The rules text leaves the picture alone.
  enter(-1);
  EXPECT_EQ((PictureRef{PictureRef::Source::DecorPicture, 1}), game.screen.Image1.picture());
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(NavigationEntryTest, TimedInformationAgesAndExpires) {
  info(1, 0, 1500, 1);
  info(2, 0, 1001, 1);
  info(3, 1, 1999, 3);
  info(4, 0, 2500, 1);  // counted in battles, not chapter points
  info(5, 0, 1000, 1);
  info(6, 1, 1200, 1);
  state().knowledge.InfoList = {"001", "004", "002", "005"};
  state().knowledge.HiddenInfoList = {"006", "003"};
  game.screen.ListBox_IN.setItems({"Infó 1", "Infó 4", "Infó 2", "Infó 5"});
  enter(1);
  EXPECT_EQ((TextList{"004", "005"}), state().knowledge.InfoList);
  EXPECT_EQ((TextList{"Infó 4", "Infó 5"}), game.screen.ListBox_IN.items());
  EXPECT_EQ((TextList{"003"}), state().knowledge.HiddenInfoList);
  EXPECT_EQ(2, game.stores.infos.Find(3).Time);
  EXPECT_EQ(1, game.stores.infos.Find(4).Time);
  EXPECT_EQ(1, game.stores.infos.Find(5).Time);
}

TEST_F(NavigationEntryTest, PageMarksStartAfreshAtEveryChapterPoint) {
  state().navigation.PageMarks = "331203";
  enter(1);
  EXPECT_EQ("000000", state().navigation.PageMarks);
}

TEST_F(NavigationEntryTest, SlotLocksLastOneChapterPoint) {
  state().equipment.SlotLocked = {false, true, false, true, false, false, true};
  enter(1);
  for (bool locked : state().equipment.SlotLocked) EXPECT_FALSE(locked);
}

TEST_F(NavigationEntryTest, SavePermission) {
  struct Case {
    const char* name;
    int difficulty;
    int chapter;
    int sinceSave;  // before the entry raises it
    TChapterRec rec;
    bool allowed;
  };
  const Case cases[] = {
      {"easy", 0, 7, 12, {.Number = 7, .NextChapters = "001"}, true},
      {"random", 2, 7, 12, {.Number = 7, .NextChapters = "001"}, true},
      {"normal", 1, 7, 12, {.Number = 7, .NextChapters = "001"}, false},
      {"too soon", 0, 7, 11, {.Number = 7, .NextChapters = "001"}, false},
      {"conditions", 0, 7, 12, {.Number = 7, .NextChapters = "001", .Conditions = "0"}, false},
      {"battle", 0, 7, 12, {.Number = 7, .BattleCode = "N001", .NextChapters = "001"}, false},
      {"changes", 0, 7, 12, {.Number = 7, .NextChapters = "001", .SpecialChange1 = "01N01+01#"}, false},
      {"rules text", 0, -1, 40, {.Number = -1, .NextChapters = "001"}, false},
      {"background", 0, 0, 40, {.Number = 0, .NextChapters = "001"}, false},
  };
  for (const auto& c : cases) {
    game.stores.chapters.Clear();
    chapter(c.rec);
    state().Difficulty = c.difficulty;
    state().settings.SaveInterval = 13;
    state().navigation.ChaptersSinceSave = static_cast<std::uint8_t>(c.sinceSave);
    state().SaveAllowed = !c.allowed;
    game.screen.BitBtn3.setEnabled(!c.allowed);
    enter(c.chapter);
    EXPECT_EQ(c.allowed, state().SaveAllowed) << c.name;
    // The save button and its menu twins offer exactly what the rule allows.
    for (const Control* control : {&game.screen.BitBtn3, &game.screen.LabelMenu13, &game.screen.LabelMenuGyors13})
      EXPECT_EQ(c.allowed, control->enabled()) << c.name;
  }
}

TEST_F(NavigationEntryTest, ChaptersSinceSaveStopsAt255) {
  state().navigation.ChaptersSinceSave = 253;
  for (int i = 0; i < 4; ++i) enter(1);
  EXPECT_EQ(255, state().navigation.ChaptersSinceSave);
}

TEST_F(NavigationEntryTest, SpecialChangesAreHandedToTheirInterpreter) {
  // Change 01 stands in queue 3, change 02 in queue 1: the interpreter runs both, in
  // sequence order, and marks both pages handled.
  chapter({.Number = 4, .NextChapters = "001", .SpecialChange1 = "02N01+01#",
           .SpecialChange3 = "01xD012-#"});
  state().SaveAllowed = true;
  enter(4);
  EXPECT_EQ("303000", state().navigation.PageMarks);
  EXPECT_TRUE(state().changes.ChangeQueue1.empty());
  EXPECT_TRUE(state().changes.ChangeQueue3.empty());
  EXPECT_FALSE(state().SaveAllowed);
  EXPECT_FALSE(game.screen.ListBoxNext.items().empty()) << "the continuations follow the changes";
}

TEST_F(NavigationEntryTest, AtSignalLevelTwoTheChangesWaitForTheirPage) {
  struct Case { int queue; int kind; };
  const Case cases[] = {{1, 12}, {2, 11}, {3, 13}, {4, 16}};
  state().settings.ChangeSignalLevel = 2;
  for (const auto& c : cases) {
    TChapterRec rec{.Number = 4, .NextChapters = "001"};
    std::string* fields[] = {&rec.SpecialChange1, &rec.SpecialChange2, &rec.SpecialChange3, &rec.SpecialChange4};
    *fields[c.queue - 1] = "01xD012-#";
    game.stores.chapters.Clear();
    chapter(rec);
    enter(4);
    EXPECT_EQ(c.kind, state().navigation.PendingKind) << "queue " << c.queue;
    EXPECT_EQ(c.kind, game.screen.TimerAlarm.value()) << "queue " << c.queue;
    EXPECT_EQ('1', state().navigation.PageMarks[static_cast<std::size_t>(c.queue - 1)]);
    EXPECT_FALSE(state().tests.ChangeRollPending) << "queue " << c.queue << ": nothing ran yet";
  }
}

TEST_F(NavigationEntryTest, BattlesAreHandedToTheBattleSetUp) {
  chapter({.Number = 4, .BattleCode = "N001", .NextChapters = "001"});
  enter(4);
  EXPECT_EQ(1, state().battle.CurrentOpponent.Number) << "the set-up put the opponent on the page";
  EXPECT_TRUE(game.screen.ListBoxNext.items().empty()) << "the battle comes before the continuations";
  state().battle = {};
  enter(1);
  EXPECT_EQ((TextList{"2", "3"}), state().navigation.NextChapterList) << "no battle: the set-up goes on";
}

TEST_F(NavigationEntryTest, WoundTalliesSurviveOnlyAChapterPointWithABattle) {
  auto wound = [this] {
    state().battle.PlayerSkillWounds = "2";
    state().battle.PlayerLifeWounds = "3";
    state().battle.OpponentSkillDamage = "1";
    state().battle.OpponentLifeDamage = "4";
  };
  wound();
  chapter({.Number = 4, .BattleCode = "N001", .NextChapters = "001"});
  state().CurrentChapter = 4;
  navigation().TovabbLepesValasztas();
  EXPECT_EQ("3", state().battle.PlayerLifeWounds);
  state().CurrentChapter = 1;
  navigation().TovabbLepesValasztas();
  EXPECT_EQ("", state().battle.PlayerSkillWounds);
  EXPECT_EQ("", state().battle.PlayerLifeWounds);
  EXPECT_EQ("", state().battle.OpponentSkillDamage);
  EXPECT_EQ("", state().battle.OpponentLifeDamage);
}

}  // namespace
}  // namespace zrx::test
