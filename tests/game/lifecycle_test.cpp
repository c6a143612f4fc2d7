#include "lifecycle.h"

#include <fstream>
#include <iterator>

#include "game_fixture.h"
#include "navigation.h"
#include "temp_folder.h"

namespace zrx::test {
namespace {

using Kind = UiEvent::Kind;

// The program folder is a fresh one per test (made before the game, as the first base):
// ending a game may export the visited path there.
struct OwnProgramFolder {
  test::TempFolder programFolder;
};

class LifecycleTest : private OwnProgramFolder, public GameFixture {
 protected:
  LifecycleTest() : GameFixture(programFolder.path()) { loader.useMinimalBook(); }
  // The contents of every visited-path export in the program folder.
  std::vector<std::string> pathExports() const {
    std::vector<std::string> files;
    const std::filesystem::path other = game.programFolder() / "Other";
    if (!std::filesystem::exists(other)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(other)) {
      if (!entry.path().filename().string().starts_with("BejartUtak_")) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
  }
  bool rulesTextEntered() const { return game.screen.RichEdit1.items() == TextList{"Szabályok szövege"}; }

  Lifecycle lifecycle{game};
};

TEST_F(LifecycleTest, StartEntersTheRulesTextWithARolledCharacter) {
  startGame(1, {3, 2, 5, 4});
  ASSERT_TRUE(game.state.GameLoaded);
  EXPECT_TRUE(rulesTextEntered());
  EXPECT_EQ(-1, game.state.CurrentChapter);
  EXPECT_EQ("Source", game.state.SourceName);
  EXPECT_EQ(1, game.state.BookNumber);
  EXPECT_EQ(1, game.state.Difficulty);
  ASSERT_EQ(4u, game.state.ChapterTexts.size());
  EXPECT_EQ(TextList{"Szabályok szövege"}, game.state.ChapterTexts.back()) << "the rules text is the last list";

  const MainValues& v = game.state.values;
  EXPECT_EQ(9, v.Skill);
  EXPECT_EQ(19, v.Stamina);
  EXPECT_EQ(10, v.Luck);
  EXPECT_EQ(v.Stamina, v.StaminaStart);
  EXPECT_EQ(19, game.stores.baseValues.Find(2).Current);
  EXPECT_EQ(19, game.stores.baseValues.Find(2).Start);

  const ScreenModel& s = game.screen;
  EXPECT_EQ("Sorozat - Próbakönyv", s.LabelTortenetNev.text());
  EXPECT_EQ("Normál", s.LabelNehezsegiFokozat.text());
  EXPECT_EQ("19", s.LabelStaminaTextNow.text());
  EXPECT_TRUE(s.BitBtn4.enabled());
  EXPECT_FALSE(s.BitBtn3.enabled()) << "the rules text never allows saving";
  EXPECT_FALSE(game.state.SaveAllowed);
  EXPECT_TRUE(s.ListBox_FT.visible());
  EXPECT_EQ(1, s.SpinEditINFO.value());
  EXPECT_TRUE(s.ApplicationTitle.enabled());
  EXPECT_EQ("Próbakönyv - ", s.ApplicationTitle.text());
  EXPECT_EQ("000000", game.state.navigation.PageMarks);
  EXPECT_EQ(ToInt(PendingKind::Choice), game.state.navigation.PendingKind) << "the rules text waits for its continuation";
  EXPECT_EQ(0, loader.picturesCalls) << "a book without pictures loads none";
  EXPECT_EQ((PictureRef{PictureRef::Source::Cover, 0}), s.Image1.picture());
}

TEST_F(LifecycleTest, EveryDifficultyStarts) {
  for (int difficulty : {0, 1, 2}) {
    startGame(difficulty, {1, 1, 1, 1});
    ASSERT_TRUE(game.state.GameLoaded) << difficulty;
    EXPECT_EQ(difficulty == 0 ? 10 : 7, game.state.values.Skill) << difficulty;
    EXPECT_EQ(difficulty == 0 ? 19 : 14, game.state.values.Stamina) << difficulty;
    const char* const texts[] = {"Könnyű", "Normál", "Véletlen"};
    EXPECT_EQ(texts[difficulty], game.screen.LabelNehezsegiFokozat.text());
    lifecycle.Befejez();
  }
}

TEST_F(LifecycleTest, LoadFailuresReportTheirErrorCodes) {
  struct Case {
    const char* stage;
    int MemoryBookLoader::*result;
    int value;
    int code;
  };
  const Case cases[] = {
      {"data, header", &MemoryBookLoader::gameDataResult, -1, 1020},
      {"data, read", &MemoryBookLoader::gameDataResult, -2, 1021},
      {"data, sizes", &MemoryBookLoader::gameDataResult, -3, 1010},
      {"data, inflate", &MemoryBookLoader::gameDataResult, -4, 1011},
      {"data, books", &MemoryBookLoader::gameDataResult, -5, 1002},
      {"data, opponents", &MemoryBookLoader::gameDataResult, -6, 1003},
      {"data, items", &MemoryBookLoader::gameDataResult, -7, 1004},
      {"data, information", &MemoryBookLoader::gameDataResult, -8, 1005},
      {"data, characteristics", &MemoryBookLoader::gameDataResult, -9, 1006},
      {"data, read-only", &MemoryBookLoader::gameDataResult, -10, 1019},
      {"data, missing", &MemoryBookLoader::gameDataResult, -11, 1018},
      {"data, magic", &MemoryBookLoader::gameDataResult, -12, 1007},
      {"data, chapter record", &MemoryBookLoader::gameDataResult, -13, 1008},
      {"data, chapter block", &MemoryBookLoader::gameDataResult, -14, 1009},
      {"data, chapter phase", &MemoryBookLoader::gameDataResult, -15, 1001},
      {"texts, header", &MemoryBookLoader::textsResult, -1, 1016},
      {"texts, read", &MemoryBookLoader::textsResult, -2, 1017},
      {"texts, sizes", &MemoryBookLoader::textsResult, -3, 1012},
      {"texts, inflate", &MemoryBookLoader::textsResult, -4, 1013},
      {"texts, entry", &MemoryBookLoader::textsResult, -5, 1024},
      {"texts, count", &MemoryBookLoader::textsResult, -6, 1023},
      {"texts, read-only", &MemoryBookLoader::textsResult, -10, 1015},
      {"texts, missing", &MemoryBookLoader::textsResult, -11, 1014},
      {"pictures, header", &MemoryBookLoader::picturesResult, -1, 1029},
      {"pictures, read", &MemoryBookLoader::picturesResult, -2, 1030},
      {"pictures, sizes", &MemoryBookLoader::picturesResult, -3, 1025},
      {"pictures, inflate", &MemoryBookLoader::picturesResult, -4, 1026},
      {"pictures, entry", &MemoryBookLoader::picturesResult, -5, 1038},
      {"pictures, count", &MemoryBookLoader::picturesResult, -6, 1036},
      {"pictures, read-only", &MemoryBookLoader::picturesResult, -10, 1028},
      {"pictures, missing", &MemoryBookLoader::picturesResult, -11, 1027},
  };
  for (const Case& c : cases) {
    ScriptedUi caseUi;
    MemoryBookLoader caseLoader;
    caseLoader.useMinimalBook();
    TBookRec withPictures = caseLoader.book.books.Find(1);
    withPictures.ChapterPictureCount = 1;
    caseLoader.book.books.Clear();
    caseLoader.book.books.Insert(withPictures);
    caseLoader.*(c.result) = c.value;
    Game caseGame(std::filesystem::temp_directory_path(), caseUi, dice, clock, caseLoader);

    Lifecycle(caseGame).Indit(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1});
    EXPECT_FALSE(caseGame.state.GameLoaded) << c.stage;
    EXPECT_TRUE(caseGame.screen.RichEdit1.items().empty()) << c.stage << ": no chapter point entered";
    EXPECT_EQ(1, caseGame.errors.counter()) << c.stage;
    ASSERT_EQ(1u, caseGame.errors.lines().size()) << c.stage;
    EXPECT_EQ(0u, caseGame.errors.lines()[0].find("HIBA " + std::to_string(c.code) + ": ")) << c.stage;
    EXPECT_EQ(1u, caseUi.eventsOf(Kind::Error).size()) << c.stage << ": the error window is shown";
    EXPECT_TRUE(caseGame.stores.books.empty()) << c.stage << ": nothing half-loaded remains";
    EXPECT_TRUE(caseGame.state.ChapterTexts.empty()) << c.stage;
    EXPECT_TRUE(caseGame.state.ChapterPictures.empty()) << c.stage;
  }
}

TEST_F(LifecycleTest, DataFileWithoutBooksFailsSilently) {
  loader.gameDataResult = 0;
  startGame(0, {});
  EXPECT_FALSE(game.state.GameLoaded);
  EXPECT_FALSE(game.errors.FatalErrorFlag());
  EXPECT_TRUE(ui.eventsOf(Kind::Error).empty());
  EXPECT_TRUE(game.screen.RichEdit1.items().empty()) << "no chapter point entered";
}

TEST_F(LifecycleTest, ChosenBookMissingFromTheBookTableIsReported) {
  dice.push({});
  Lifecycle(game).Indit(NewGameChoice{.package = "Source", .bookNumber = 2, .bookCount = 2});
  EXPECT_FALSE(game.state.GameLoaded);
  EXPECT_EQ(1, game.errors.counter());
  EXPECT_EQ(0u, game.errors.lines().at(0).find("HIBA 1002"));
}

TEST_F(LifecycleTest, PicturesAreLoadedWhenTheBookHasThem) {
  TBookRec book = loader.book.books.Find(1);
  book.DecorPictureCount = 2;
  loader.book.books.Clear();
  loader.book.books.Insert(book);
  loader.decorPictures = {Picture{{1}}, Picture{{2}}};
  startGame(0, {1, 1, 1, 1});
  EXPECT_EQ(1, loader.picturesCalls);
  EXPECT_EQ(loader.decorPictures, game.state.DecorPictures);
  EXPECT_TRUE(game.state.ChapterPictures.empty());
}

TEST_F(LifecycleTest, NewGameCommandWithoutAGameOpensTheScreen) {
  ui.chooseNewGame(std::nullopt);
  lifecycle.KlikkKezdes();
  EXPECT_EQ(1u, ui.eventsOf(Kind::NewGame).size());
  EXPECT_TRUE(ui.eventsOf(Kind::Question).empty());
  EXPECT_FALSE(game.state.GameLoaded) << "a cancelled screen starts nothing";

  ui.chooseNewGame(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = 2});
  dice.push({2, 2, 2, 2});
  lifecycle.KlikkKezdes();
  EXPECT_TRUE(game.state.GameLoaded);
  EXPECT_EQ(2, game.state.Difficulty);
}

TEST_F(LifecycleTest, NewGameCommandDuringAGameAsksFirst) {
  startGame(0, {1, 1, 1, 1});
  // A luck test offered on the tests page and an offer laid out on the equipment page.
  game.screen.LabelSzProba.setEnabled(true);
  game.screen.GroupBox1.setVisible(true);
  game.state.CurrentChapter = 2;

  ui.answer(false);
  lifecycle.KlikkKezdes();
  EXPECT_TRUE(game.state.GameLoaded);
  EXPECT_EQ(2, game.state.CurrentChapter) << "no changes nothing";
  EXPECT_TRUE(game.screen.LabelSzProba.enabled());
  EXPECT_TRUE(game.screen.GroupBox1.visible());

  ui.answer(true);
  ui.chooseNewGame(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = 1});
  dice.push({6, 6, 6, 6});
  lifecycle.KlikkKezdes();
  const auto questions = ui.eventsOf(Kind::Question);
  ASSERT_EQ(2u, questions.size());
  EXPECT_EQ((std::vector<std::string>{"Biztos, hogy befejezed a játékot, és kezdesz egy", "újat?"}),
            questions[1].lines);
  EXPECT_FALSE(game.screen.LabelSzProba.enabled()) << "the tests page is reset";
  EXPECT_FALSE(game.screen.GroupBox1.visible()) << "the equipment page is reset";
  EXPECT_TRUE(game.state.GameLoaded);
  EXPECT_EQ(12, game.state.values.Skill);
  EXPECT_EQ(-1, game.state.CurrentChapter);
  EXPECT_TRUE(rulesTextEntered()) << "the new game entered its rules text";
}

TEST_F(LifecycleTest, EndCommandNoChangesNothing) {
  lifecycle.KlikkBefejezes();
  EXPECT_TRUE(ui.events().empty()) << "no game, no question";

  startGame(0, {1, 1, 1, 1});
  ui.answer(false);
  lifecycle.KlikkBefejezes();
  ASSERT_EQ(1u, ui.eventsOf(Kind::Question).size());
  EXPECT_EQ((std::vector<std::string>{"Biztos, hogy befejezed a játékot?", ""}),
            ui.eventsOf(Kind::Question)[0].lines);
  EXPECT_TRUE(game.state.GameLoaded);
  EXPECT_FALSE(game.stores.books.empty());
}

TEST_F(LifecycleTest, EndClearsEverythingOfTheGame) {
  game.state.settings.StepLogging = true;
  startGame(2, {1, 1, 1, 1});
  GameState& st = game.state;
  st.CurrentChapter = 2;
  st.knowledge.InfoList = {"001"};
  st.knowledge.OwnNotes[2] = " jegyzet";
  st.equipment.EquipmentList = {"007"};
  st.equipment.EquippedItems[1] = 7;
  st.navigation.VisitedPath = {"1", "2"};
  st.navigation.PageMarks = "130000";
  st.battle.BattleRunning = true;
  st.battle.OpponentQueue = {"003"};
  st.tests.RollTestDone = true;
  st.conditions.PendingConditions = "S2";
  st.offers.OfferList = {"x"};
  st.changes.ChangeQueue1 = "01#";
  game.screen.ListBox_FT.setItems({"Kard"});
  game.screen.ListBox_VK.setItems({"Tűzgolyó"});
  game.screen.MemoFP.setItems({"1, 2, "});
  game.screen.FT_Elrendezes.setValue(2);
  game.screen.GroupBox1.setVisible(true);

  ui.answer(true);
  lifecycle.KlikkBefejezes();

  EXPECT_FALSE(st.GameLoaded);
  EXPECT_FALSE(st.SaveAllowed);
  EXPECT_EQ("Source", st.SourceName);
  EXPECT_EQ(0, st.BookNumber);
  EXPECT_EQ(2, st.Difficulty) << "kept until the new-game screen sets it";
  EXPECT_EQ(2, st.CurrentChapter) << "kept";
  // Exported while the game still counts as loaded: a path export needs a running game.
  const std::vector<std::string> exports = pathExports();
  ASSERT_EQ(1u, exports.size());
  EXPECT_NE(std::string::npos, exports[0].find("1, 2, ")) << exports[0];
  EXPECT_EQ(0, game.screen.FT_Elrendezes.value()) << "the equipment page is left with no offer laid out";
  EXPECT_FALSE(game.screen.GroupBox1.visible());
  EXPECT_TRUE(game.stores.books.empty());
  EXPECT_TRUE(game.stores.chapters.empty());
  EXPECT_TRUE(game.stores.baseValues.empty());
  EXPECT_TRUE(st.ChapterTexts.empty());
  EXPECT_EQ(TestState{}, st.tests);
  EXPECT_EQ(ConditionState{}, st.conditions);
  EXPECT_EQ(NavigationState{}, st.navigation);
  EXPECT_EQ(SpecialChangeState{}, st.changes);
  EXPECT_EQ(OfferState{}, st.offers);
  EXPECT_EQ(EquipmentState{}, st.equipment);
  EXPECT_EQ(KnowledgeState{}, st.knowledge);
  EXPECT_EQ(BattleState{}, st.battle);

  const ScreenModel& s = game.screen;
  EXPECT_EQ("A Zengő Rengeteg Krónikája világában jársz...", s.LabelTortenetNev.text());
  EXPECT_EQ("", s.LabelFPont.text());
  EXPECT_FALSE(s.BitBtn3.enabled());
  EXPECT_FALSE(s.LabelMenu13.enabled());
  EXPECT_FALSE(s.BitBtn4.enabled());
  EXPECT_FALSE(s.Memo_SI.enabled());
  EXPECT_TRUE(s.ListBox_FT.items().empty());
  EXPECT_TRUE(s.ListBox_VK.items().empty());
  EXPECT_TRUE(s.MemoFP.items().empty());
  EXPECT_EQ(std::vector<std::string>{"A kijelölt információ bővebb leírása"}, s.MemoIN_Leir.items());
  EXPECT_EQ(std::vector<std::string>{"A kijelölt felszerelési tárgy bővebb leírása"}, s.MemoFT_Leir.items());
  EXPECT_EQ("", s.LabelSkillTextNow.text());
  EXPECT_FALSE(game.screen.LabelBV(1, "Start").visible());
  EXPECT_FALSE(s.LabelNext1.visible());
  EXPECT_EQ(0, s.PageControl1.value());
  EXPECT_EQ("ZRX", s.ApplicationTitle.text());
  EXPECT_FALSE(s.ApplicationTitle.enabled());
}

TEST_F(LifecycleTest, NoPathExportWithoutTheSetting) {
  startGame(0, {1, 1, 1, 1});
  lifecycle.Befejez();
  EXPECT_TRUE(pathExports().empty());
}

TEST_F(LifecycleTest, AReportedErrorBlocksTheNewGameScreen) {
  game.errors.HibaHozzairas(201);
  lifecycle.KlikkKezdes();
  EXPECT_TRUE(ui.eventsOf(Kind::NewGame).empty());
  EXPECT_EQ(1u, ui.eventsOf(Kind::Error).size());
}

}  // namespace
}  // namespace zrx::test
