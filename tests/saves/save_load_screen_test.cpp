#include "save_load_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>

#include "atomic_file.h"
#include "date_text.h"
#include "game_transfer.h"
#include "lifecycle.h"
#include "navigation.h"
#include "saved_statistics.h"
#include "package_fixture.h"
#include "save_game_fixture.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using test::SaveGameFixture;
using test::ScriptedRandom;
using test::ScriptForName;
using Kind = zrx::test::UiEvent::Kind;

class SaveLoadScreenTest : public SaveGameFixture {
 protected:
  // Saves the running game under `name` through the save window; the window's answer.
  SaveWindowNext saveAs(const std::string& name) {
    SaveLoadScreen screen(game, SaveWindowMode::Save, random);
    EXPECT_TRUE(screen.Open());
    std::string checked;
    EXPECT_TRUE(screen.CheckSaveName(name, checked));
    return screen.SaveGame(checked);
  }

  // Rewrites the game file of the player's first save with `change` applied to its lines.
  template <typename Change>
  void tamperFirstSave(Change change) {
    SaveIndex index;
    ASSERT_EQ(0, SearchIndex(folder, "Anna", index));
    std::vector<std::string> lines;
    ASSERT_EQ(0, folder.Read(lines, index.entries[0].fileName, kGameExtension));
    change(lines);
    ASSERT_EQ(0, folder.Write(lines, index.entries[0].fileName, kGameExtension));
  }

  ScriptedRandom random;
};

TEST_F(SaveLoadScreenTest, RoundTripRestoresTheSavedGame) {
  playToTheMiddle();
  writeIndex();
  const SavedGame before = CaptureSavedGame(game);
  const auto memoBefore = game.screen.MemoFP.items();
  const MainValues valuesBefore = game.state.values;
  ASSERT_EQ(67u, before.visitedPath.size());
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  EXPECT_EQ(3, game.state.navigation.ChaptersSinceSave);

  Lifecycle(game).Befejez();
  ASSERT_FALSE(game.state.GameLoaded);
  ASSERT_TRUE(game.state.navigation.VisitedPath.empty());

  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  ASSERT_EQ(1u, screen.entries().size());
  ASSERT_EQ(SaveWindowNext::Loaded, screen.LoadGame(0));
  EXPECT_TRUE(game.state.GameLoaded);
  EXPECT_EQ(7, game.state.CurrentChapter);
  EXPECT_EQ(66u, game.state.navigation.VisitedPath.size()) << "the last one is entered again";
  EnterLoadedGame(game);

  EXPECT_FALSE(game.errors.FatalErrorFlag());
  EXPECT_EQ(3, game.state.navigation.ChaptersSinceSave) << "2 after loading, one more for the entry";
  EXPECT_TRUE(game.screen.ApplicationTitle.enabled());
  SavedGame expected = before;
  expected.infos[1].time = 2;     // timed information: aged again by the re-entered chapter point
  expected.infos[2].time = 1501;  // a value from 1001 to 1999 comes back one higher
  EXPECT_EQ(expected, CaptureSavedGame(game));
  EXPECT_EQ(memoBefore, game.screen.MemoFP.items());
  EXPECT_EQ(valuesBefore.Stamina, game.state.values.Stamina);
  EXPECT_EQ(valuesBefore.SkillStart, game.state.values.SkillStart);
  EXPECT_EQ(valuesBefore.Luck, game.state.values.Luck);
  EXPECT_EQ((std::vector<std::string>{"Aranypénz", "Kard", "Pajzs", "Kötél"}), game.screen.ListBox_FT.items());
  EXPECT_EQ((std::vector<std::string>{"Jelszó", "Átok", "Számláló"}), game.screen.ListBox_IN.items());
  EXPECT_EQ((std::vector<std::string>{"Tűzgolyó", "Lopakodás"}), game.screen.ListBox_VK.items());
  EXPECT_EQ(2000, game.stores.infos.Find(30).Time) << "2000 is restored unchanged";
  EXPECT_EQ("7", game.screen.LabelFPont.text());
  EXPECT_EQ("Szöveg 7", game.screen.RichEdit1.items().at(0));
}

TEST_F(SaveLoadScreenTest, StatisticsTravelBesideTheGameFileAndGoWithIt) {
  playToTheMiddle();
  writeIndex();
  GameTally& tally = game.state.tally;
  tally = GameTally{.BattlesWon = 2, .BattlesFled = 1, .BattlesLost = 0, .RoundsFought = 9, .LuckTests = 4,
                    .LuckTestsPassed = 3, .DiceThrown = 31, .ItemsGained = 5, .ItemsLost = 1};
  constexpr long long kPlayed = 3725;  // 1:02:05
  tally.StartedAt = FromDayCount(ToDayCount(clock.now()) - kPlayed / 86400.0).value();
  const GameTally saved = tally;
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  SaveIndex index;
  ASSERT_EQ(0, SearchIndex(folder, "Anna", index));
  const fs::path statistics = folder.filePath(index.entries[0].fileName, kStatisticsExtension);
  EXPECT_TRUE(fs::exists(statistics));

  const auto load = [this] {
    Lifecycle(game).Befejez();
    SaveLoadScreen screen(game, SaveWindowMode::Load, random);
    EXPECT_TRUE(screen.Open());
    EXPECT_EQ(SaveWindowNext::Loaded, screen.LoadGame(0));
  };
  const auto playedSeconds = [this] {
    return std::llround((ToDayCount(clock.now()) - ToDayCount(game.state.tally.StartedAt)) * 86400.0);
  };
  load();
  GameTally expected = saved;
  expected.StartedAt = tally.StartedAt;
  EXPECT_EQ(expected, tally);
  EXPECT_EQ(kPlayed, playedSeconds());

  // A save of an earlier version has no statistics file: it loads with empty statistics.
  fs::remove(statistics);
  load();
  expected = GameTally{};
  expected.StartedAt = tally.StartedAt;
  EXPECT_EQ(expected, tally);
  EXPECT_EQ(0, playedSeconds());

  tally.BattlesWon = 7;
  ui.answer(true);  // overwrite
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  EXPECT_TRUE(fs::exists(statistics));
  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  ASSERT_EQ(SaveWindowNext::Stay, screen.DeleteGame(0));
  EXPECT_FALSE(fs::exists(statistics)) << "deleted with the game";
}

TEST(SavedStatisticsLines, OnlyAWellFormedLineIsApplied) {
  const DateTime now{2024, 3, 5, 7, 8, 9, 0};
  GameTally tally{.BattlesWon = 1, .DiceThrown = 12};
  tally.StartedAt = FromDayCount(ToDayCount(now) - 61 / 86400.0).value();
  const auto lines = ComposeStatisticsLines(tally, now);
  EXPECT_EQ((std::vector<std::string>{"1|0|0|0|0|0|12|0|0|61"}), lines);
  const std::vector<std::string> refused[] = {
      {}, {"1|0|0|0|0|0|12|0|0"}, {"1|0|0|0|0|0|12|0|0|61|5"}, {"1|0|0|0|0|0|x|0|0|61"},
      {"1|0|0|0|0|0|-1|0|0|61"}, {"1|0|0|0|0|0|12|0|0|61", "2"}, {"1|0|0|0|0|0|99999999999|0|0|61"}};
  for (const auto& bad : refused) {
    GameTally untouched{.LuckTests = 4};
    EXPECT_FALSE(ApplyStatisticsLines(bad, now, untouched)) << (bad.empty() ? "" : bad[0]);
    EXPECT_EQ(GameTally{.LuckTests = 4}, untouched);
  }
  GameTally restored;
  ASSERT_TRUE(ApplyStatisticsLines(lines, now, restored));
  EXPECT_EQ(1, restored.BattlesWon);
  EXPECT_EQ(12, restored.DiceThrown);
  EXPECT_EQ(lines, ComposeStatisticsLines(restored, now));
}

TEST_F(SaveLoadScreenTest, OpeningRemovesWhatACrashLeftButNotOrphanGameFiles) {
  playToTheMiddle();
  writeIndex();
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  const std::filesystem::path save = program.savePath();
  // A game file written just before a crash, which no index line names yet.
  ASSERT_EQ(0, folder.Write({"Source"}, "QQQQQQQQQQ", kGameExtension));
  for (const char* stale : {"Save.zrx.tmp", "QQQQQQQQQQ.zrm.tmp"}) test::WriteBytes(save / stale, {1, 2});
  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  EXPECT_FALSE(std::filesystem::exists(save / "Save.zrx.tmp"));
  EXPECT_FALSE(std::filesystem::exists(save / "QQQQQQQQQQ.zrm.tmp"));
  EXPECT_TRUE(std::filesystem::exists(save / "QQQQQQQQQQ.zrm")) << "left alone";
  ASSERT_EQ(1u, screen.ListLines().size()) << "but never listed";
  EXPECT_EQ(0u, screen.ListLines()[0].find("Közepe"));
}

TEST_F(SaveLoadScreenTest, GameFileLinesOfTheSave) {
  playToTheMiddle();
  writeIndex();
  random = ScriptedRandom(ScriptForName("ASDFGHJKLY"));
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  EXPECT_EQ((std::vector<std::string>{std::string(kIndexSentinel),
                                      "Anna|2024.03.05. 07:08:09|Közepe|ASDFGHJKLY|Source|Próba könyv|2|7"}),
            readIndex());
  std::vector<std::string> lines;
  ASSERT_EQ(0, folder.Read(lines, "ASDFGHJKLY", kGameExtension));
  ASSERT_EQ(14u + 5 + 4 + 3 + 1 + 4 + 2 + 67 + 1, lines.size());
  EXPECT_EQ((std::vector<std::string>{"Source", "1", "Anna", "2", "0.702.10", "7", "5", "4",
                                      "1007012000000000000", "3", "1", "4", "2", "67"}),
            std::vector<std::string>(lines.begin(), lines.begin() + 14));
  EXPECT_EQ("001|25", lines[19]);
  EXPECT_EQ("016|1500", lines[25]);
  EXPECT_EQ("030|2000", lines[26]);
  EXPECT_EQ("2|0|21|16", lines[28]);
  EXPECT_EQ("5|1|12|8", lines[30]);
  EXPECT_EQ("003|2|1", lines[31]);
  EXPECT_EQ("7", lines[lines.size() - 2]);
  EXPECT_EQ("ASDFGHJKLY", lines.back());
}

TEST_F(SaveLoadScreenTest, SaveNameChecks) {
  struct Case {
    const char* typed;
    bool accepted;
    const char* name;
    int notices;
  };
  const Case cases[] = {
      {"Első mentés", true, "Első mentés", 0},
      {"   körbe   ", true, "körbe", 0},
      {"", false, "", 0},
      {"     ", false, "", 0},
      {"a\\b", false, "", 2}, {"a/b", false, "", 2}, {"a:b", false, "", 2}, {"a*b", false, "", 2},
      {"a?b", false, "", 2}, {"a\"b", false, "", 2}, {"a'b", false, "", 2}, {"a<b", false, "", 2},
      {"a>b", false, "", 2}, {"a|b", false, "", 2},
      {"日本", false, "", 1},
      {"a\tb", false, "", 1},
      {"12345678901234567890123456789", true, "1234567890123456789012345", 0},
      {"1234567890123456789012345|", true, "1234567890123456789012345", 0},
  };
  for (const auto& c : cases) {
    ui.clearEvents();
    SaveLoadScreen screen(game, SaveWindowMode::Save, random);
    std::string name;
    EXPECT_EQ(c.accepted, screen.CheckSaveName(c.typed, name)) << c.typed;
    if (c.accepted) {
      EXPECT_EQ(c.name, name) << c.typed;
    }
    ASSERT_EQ(static_cast<std::size_t>(c.notices), ui.eventsOf(Kind::Info).size()) << c.typed;
    if (c.notices == 2) {
      EXPECT_EQ((std::vector<std::string>{"Nem megengedett karakterek vannak a névben!", "Adj meg másik mentési nevet!"}),
                ui.events()[0].lines);
      EXPECT_EQ((std::vector<std::string>{"A nem megengedett karakterek a következők:", "\\ / : * ? \" ' < > |"}),
                ui.events()[1].lines);
    }
  }
}

TEST_F(SaveLoadScreenTest, DeclinedOverwriteWritesNothingButSetsTheCounter) {
  playToTheMiddle();
  writeIndex();
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  const auto index = readIndex();
  game.state.navigation.ChaptersSinceSave = 40;
  game.state.CurrentChapter = 8;
  game.state.navigation.VisitedPath.push_back("8");

  ui.answer(false);
  EXPECT_EQ(SaveWindowNext::Stay, saveAs("Közepe"));
  EXPECT_EQ((std::vector<std::string>{"A megadott mentési név már létezik!", "Felülírod?"}),
            ui.eventsOf(Kind::Question).at(0).lines);
  EXPECT_EQ(3, game.state.navigation.ChaptersSinceSave);
  EXPECT_EQ(index, readIndex());
}

TEST_F(SaveLoadScreenTest, SaveButtonFollowsTheCounterASaveResets) {
  playToTheMiddle();
  writeIndex();
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  struct Case {
    const char* what;
    int interval;
    bool declineOverwrite;
    bool enabledAfter;
  };
  for (const Case& c : {Case{"saved, interval not yet reached", 13, false, false},
                        Case{"declined overwrite counts as a save", 13, true, false},
                        Case{"the shortest interval is reached at once", 3, false, true}}) {
    SCOPED_TRACE(c.what);
    game.state.settings.SaveInterval = c.interval;
    game.state.navigation.ChaptersSinceSave = 40;
    Navigation(game).FejezetPont();
    ASSERT_TRUE(game.state.SaveAllowed);
    ASSERT_TRUE(game.screen.BitBtn3.enabled());

    ui.answer(!c.declineOverwrite);
    saveAs(c.declineOverwrite ? "Közepe" : "Másik");
    EXPECT_EQ(c.enabledAfter, game.state.SaveAllowed);
    for (const Control* control : {&game.screen.BitBtn3, &game.screen.LabelMenu13, &game.screen.LabelMenuGyors13}) {
      EXPECT_EQ(c.enabledAfter, control->enabled());
    }
  }
}

TEST_F(SaveLoadScreenTest, AcceptedOverwriteKeepsTheLineAndTheFileName) {
  playToTheMiddle();
  writeIndex({"Béla|2024.01.01. 00:00:00|Közepe|BBBBBBBBBB|Source|Próba könyv|0|3"});
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Másik"));
  const auto first = readIndex();
  ASSERT_EQ(4u, first.size());
  EXPECT_EQ(0, first[2].rfind("Anna|", 0)) << "another player's save of that name does not count";
  const std::string field = "|Közepe|";
  const std::string fileName = first[2].substr(first[2].find(field) + field.size(), 10);
  game.state.navigation.VisitedPath.push_back("8");
  game.state.CurrentChapter = 8;
  clock.set({2024, 3, 6, 10, 0, 0, 0});

  ui.answer(true);
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  const auto second = readIndex();
  ASSERT_EQ(4u, second.size());
  EXPECT_EQ("Anna|2024.03.06. 10:00:00|Közepe|" + fileName + "|Source|Próba könyv|2|8", second[2]);
  EXPECT_EQ(first[3], second[3]);
  // The index, two game files and the statistics beside each.
  EXPECT_EQ(5u, static_cast<std::size_t>(std::distance(fs::directory_iterator(program.savePath()),
                                                        fs::directory_iterator())));
}

TEST_F(SaveLoadScreenTest, OpeningReportsAMissingFolderOrIndex) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    int code;
    const char* file;
  };
  const Case cases[] = {
      {"no save folder", [this] { fs::remove_all(program.savePath()); }, 301, "Save"},
      {"no index", [] {}, 302, "Save/Save.zrx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(program.savePath());
    fs::create_directory(program.savePath());
    game.errors = ErrorLog{};
    c.prepare();
    SaveLoadScreen screen(game, SaveWindowMode::Save, random);
    EXPECT_FALSE(screen.Open());
    EXPECT_EQ(std::vector<int>{c.code}, game.errors.codes());
    EXPECT_EQ((std::vector<std::string>{ReportedErrorLine(c.code, c.file)}), game.errors.lines());
  }
}

TEST_F(SaveLoadScreenTest, DamagedIndexIsSetAsideAndRebuiltFromTheGamesThatRead) {
  struct Case {
    const char* name;
    std::function<void(const std::vector<std::string>& goodLines)> damage;
    bool namesKept;  // the readable lines of the damaged index still give the save names
  };
  const Case cases[] = {
      {"sentinel off by one character",
       [this](const auto& good) {
         auto lines = good;
         lines[0].back() = '1';
         ASSERT_EQ(0, folder.Write(lines, kIndexName, kIndexExtension));
       },
       true},
      {"line without separator",
       [this](const auto& good) {
         auto lines = good;
         lines.push_back("Anna");
         ASSERT_EQ(0, folder.Write(lines, kIndexName, kIndexExtension));
       },
       true},
      {"traversal file name",
       [this](const auto& good) {
         auto lines = good;
         lines.push_back("Béla|d|n|../../x|Source|T|0|1");
         ASSERT_EQ(0, folder.Write(lines, kIndexName, kIndexExtension));
       },
       true},
      {"container unreadable", [this](const auto&) { std::ofstream(folder.filePath(kIndexName, kIndexExtension)) << "x"; },
       false},
  };
  playToTheMiddle();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(program.savePath());
    fs::create_directory(program.savePath());
    writeIndex({"Béla|2024.01.01. 00:00:00|Övé|BBBBBBBBBB|Source|Próba könyv|0|3"});
    const int chapter = CaptureSavedGame(game).currentChapter;
    ASSERT_EQ(SaveWindowNext::Close, saveAs("Első"));
    ASSERT_EQ(SaveWindowNext::Close, saveAs("Második"));
    const auto goodLines = readIndex();
    // A game file that no longer reads is left out of the rebuilt index, and stays.
    std::ofstream(folder.filePath("ZZZZZZZZZZ", kGameExtension)) << "broken";
    c.damage(goodLines);
    std::ifstream damagedIn(folder.filePath(kIndexName, kIndexExtension), std::ios::binary);
    const std::string damagedBytes((std::istreambuf_iterator<char>(damagedIn)), {});
    game.errors = ErrorLog{};
    ui.clearEvents();

    SaveLoadScreen screen(game, SaveWindowMode::Load, random);
    ASSERT_TRUE(screen.Open()) << "Betöltés works again";
    EXPECT_FALSE(game.errors.FatalErrorFlag());
    ASSERT_EQ(1u, ui.eventsOf(Kind::Info).size());
    const auto notice = ui.eventsOf(Kind::Info)[0].lines;
    const std::string asideName = "Save_hibas_(" + DatumAtalakitas(0, clock.now()) + ").zrx";
    EXPECT_EQ("A mentések listája (Save/Save.zrx) megsérült, félretettük: Save/" + asideName, notice[0]);
    EXPECT_EQ("Az új lista 2 olvasható mentett játékból készült.", notice[1]);

    std::ifstream asideIn(program.savePath() / asideName, std::ios::binary);
    EXPECT_EQ(damagedBytes, std::string((std::istreambuf_iterator<char>(asideIn)), {})) << "set aside unchanged";
    EXPECT_TRUE(fs::exists(folder.filePath("ZZZZZZZZZZ", kGameExtension)));
    ASSERT_EQ(2u, screen.entries().size());
    for (std::size_t i = 0; i < 2; ++i) {
      const std::string expectedName =
          c.namesKept ? (i == 0 ? "Első" : "Második") : "Visszaállítva " + screen.entries()[i].fileName;
      EXPECT_EQ(expectedName, screen.entries()[i].saveName);
      EXPECT_EQ(std::to_string(chapter), screen.entries()[i].chapter);
    }
    EXPECT_EQ(SaveWindowNext::Loaded, screen.LoadGame(1));
    EXPECT_EQ(chapter, game.state.CurrentChapter);
  }
}

TEST_F(SaveLoadScreenTest, LoadWindowOpensOnlyWithSaves) {
  writeIndex({"Béla|2024.01.01. 00:00:00|Övé|BBBBBBBBBB|Source|Próba könyv|0|3"});
  SaveLoadScreen load(game, SaveWindowMode::Load, random);
  EXPECT_FALSE(load.Open());
  EXPECT_EQ((std::vector<zrx::test::UiEvent>{{Kind::Info, {"Nincs mentésed a jelenlegi", "Felhasználónévvel!"}}}),
            ui.events());
  EXPECT_FALSE(game.errors.FatalErrorFlag());

  ui.clearEvents();
  SaveLoadScreen save(game, SaveWindowMode::Save, random);
  EXPECT_TRUE(save.Open());
  EXPECT_FALSE(save.HasSaves());
  EXPECT_TRUE(save.ListLines().empty()) << "another player's save is not listed";
  EXPECT_TRUE(ui.events().empty());

  game.errors.HibaHozzairas(1001);
  SaveLoadScreen blocked(game, SaveWindowMode::Save, random);
  EXPECT_FALSE(blocked.Open()) << "a reported error blocks the window";
  EXPECT_TRUE(ui.events().empty());
  game.state.GameLoaded = true;
  const auto index = readIndex();
  EXPECT_EQ(SaveWindowNext::Stay, blocked.SaveGame("Új"));
  EXPECT_EQ(index, readIndex()) << "a window that did not open writes nothing";
}

TEST_F(SaveLoadScreenTest, ListAndDetailsLines) {
  writeIndex({"Anna|2024.03.05. 07:08:09|Első|AAAAAAAAAA|Source|Próba könyv|2|7",
              "Béla|2024.01.01. 00:00:00|Övé|BBBBBBBBBB|Source|Próba könyv|0|3",
              "Anna|tegnap|Második|CCCCCCCCCC|Other1|Más könyv|0|12",
              "Anna|2024.13.05. 07:08:09|Harmadik|DDDDDDDDDD|Other1|Más könyv|9|1",
              "Anna|2023.02.29. 07:08:09|Negyedik|EEEEEEEEEE|Other1|Más könyv|1|1"});
  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  EXPECT_EQ((std::vector<std::string>{"Első | 2024. Március 05. 07:08:09 | Próba könyv",
                                      "Második | tegnap | Más könyv",
                                      "Harmadik | 2024.13.05. 07:08:09 | Más könyv",
                                      "Negyedik | 2023.02.29. 07:08:09 | Más könyv"}),
            screen.ListLines());
  EXPECT_EQ("Source | Próba könyv | 7 | Véletlen", screen.DetailsLine(0));
  EXPECT_EQ("Other1 | Más könyv | 12 | Könnyű", screen.DetailsLine(1));
  EXPECT_EQ("Other1 | Más könyv | 1 | 9", screen.DetailsLine(2));
  EXPECT_EQ(1, screen.FindTypedName("Második"));
  EXPECT_EQ(-1, screen.FindTypedName("Másodi"));
  EXPECT_EQ(-1, screen.FindTypedName("Övé"));
}

TEST_F(SaveLoadScreenTest, SaveThatCannotBeWrittenIsToldAndTheGameGoesOn) {
  struct Case {
    const char* name;
    std::function<void()> block;
    std::string notice;
  };
  // Running as root, permission bits stop no write: a folder stands where a file is wanted.
  const Case cases[] = {
      {"index removed", [this] { fs::remove(folder.filePath(kIndexName, kIndexExtension)); },
       "HIBA 0313: Save/Save.zrx nem található"},
      {"folder removed", [this] { fs::remove_all(program.savePath()); }, "HIBA 0312: Save nem található"},
      {"game file not writable",
       [this] { fs::create_directories(TemporaryPathFor(folder.filePath("QQQQQQQQQQ", kGameExtension))); },
       "HIBA 0314: Save nem írható"},
      {"index not writable",
       [this] { fs::create_directories(TemporaryPathFor(folder.filePath(kIndexName, kIndexExtension))); },
       "HIBA 0315: Save/Save.zrx nem írható"},
  };
  playToTheMiddle();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(program.savePath());
    fs::create_directories(program.savePath());
    writeIndex();
    const auto indexBefore = readIndex();
    game.errors = ErrorLog{};
    ui.clearEvents();
    game.state.navigation.ChaptersSinceSave = 40;
    ScriptedRandom named(ScriptForName("QQQQQQQQQQ"));
    SaveLoadScreen screen(game, SaveWindowMode::Save, named);
    ASSERT_TRUE(screen.Open());
    c.block();
    EXPECT_EQ(SaveWindowNext::Stay, screen.SaveGame("Közepe"));
    EXPECT_FALSE(game.errors.FatalErrorFlag()) << "the program goes on";
    EXPECT_TRUE(game.state.GameLoaded);
    EXPECT_EQ((std::vector<zrx::test::UiEvent>{
                  {Kind::Info, {"A mentés nem sikerült, a játék folytatódik!", c.notice}}}),
              ui.events());
    EXPECT_EQ(40, game.state.navigation.ChaptersSinceSave) << "no counter after a failed save";
    EXPECT_TRUE(screen.entries().empty());
    if (fs::exists(folder.filePath(kIndexName, kIndexExtension))) {
      EXPECT_EQ(indexBefore, readIndex());
    }
    EXPECT_FALSE(fs::exists(folder.filePath("QQQQQQQQQQ", kGameExtension))) << "no game file without its line";
  }
}

TEST_F(SaveLoadScreenTest, LoadChecksTheFileBeforeTheRunningGameChanges) {
  struct Case {
    const char* name;
    std::function<void(std::vector<std::string>&)> change;
    int code;  // 0: accepted
  };
  const Case cases[] = {
      {"version 0.702.10", [](auto&) {}, 0},
      {"version 0.701.10", [](auto& l) { l[4] = "0.701.10"; }, 0},
      {"version 0.700.10 without the name line", [](auto& l) { l[4] = "0.700.10"; l.pop_back(); }, 0},
      {"version 0.703.10", [](auto& l) { l[4] = "0.703.10"; }, 325},
      {"difficulty 3", [](auto& l) { l[3] = "3"; }, 324},
      {"another player's file", [](auto& l) { l[2] = "Béla"; }, 323},
      {"file copied from another name", [](auto& l) { l.back() = "ZZZZZZZZZZ"; }, 329},
      {"magic level above 255", [](auto& l) { l[31] = "003|300|1"; }, 322},
      {"no lines", [](auto& l) { l.clear(); }, 321},
  };
  playToTheMiddle();
  writeIndex();
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  std::vector<std::string> original;
  {
    SaveIndex index;
    ASSERT_EQ(0, SearchIndex(folder, "Anna", index));
    ASSERT_EQ(0, folder.Read(original, index.entries[0].fileName, kGameExtension));
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    game.errors = ErrorLog{};
    game.state.CurrentChapter = 9;  // a mark of the running game
    tamperFirstSave([&](auto& lines) { lines = original; c.change(lines); });
    SaveLoadScreen screen(game, SaveWindowMode::Load, random);
    ASSERT_TRUE(screen.Open());
    const SaveWindowNext next = screen.LoadGame(0);
    if (c.code == 0) {
      EXPECT_EQ(SaveWindowNext::Loaded, next);
      EXPECT_TRUE(game.errors.lines().empty());
      EXPECT_EQ(7, game.state.CurrentChapter);
    } else {
      EXPECT_EQ(SaveWindowNext::Close, next);
      EXPECT_EQ(std::vector<int>{c.code}, game.errors.codes());
      EXPECT_EQ(9, game.state.CurrentChapter);
      EXPECT_TRUE(game.state.GameLoaded) << "the running game is left as it was";
    }
    game.state.GameLoaded = true;
  }
}

TEST_F(SaveLoadScreenTest, MissingGameFileIsReported) {
  writeIndex({"Anna|2024.03.05. 07:08:09|Első|AAAAAAAAAA|Source|Próba könyv|2|7"});
  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  EXPECT_EQ(SaveWindowNext::Close, screen.LoadGame(0));
  EXPECT_EQ((std::vector<std::string>{"HIBA 0319: Egy létfontosságú fájl nem található vagy nem olvasható! "
                                      "Fájl: Save/AAAAAAAAAA.zrm"}),
            game.errors.lines());
}

TEST_F(SaveLoadScreenTest, SaveOfABookThePackageNoLongerHas) {
  struct Case {
    const char* name;
    std::function<void()> breakPackage;
    int code;
  };
  const Case cases[] = {
      {"book no longer in the package", [this] { loader.book.books.Clear(); }, 1002},
      {"package file gone", [this] { loader.gameDataResult = -11; }, 1018},
      {"chapter texts gone", [this] { loader.textsResult = -11; }, 1014},
  };
  playToTheMiddle();
  writeIndex();
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Közepe"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    loader = zrx::test::MemoryBookLoader{};
    test::FillTestBook(loader.book, loader.texts);
    c.breakPackage();
    game.errors = ErrorLog{};
    SaveLoadScreen screen(game, SaveWindowMode::Load, random);
    ASSERT_TRUE(screen.Open());
    EXPECT_EQ(SaveWindowNext::Close, screen.LoadGame(0));
    EXPECT_EQ(std::vector<int>{c.code}, game.errors.codes()) << "reported by the game start";
    EXPECT_FALSE(game.state.GameLoaded);
    EXPECT_TRUE(game.state.navigation.VisitedPath.empty()) << "nothing after the game start is applied";
  }
}

TEST_F(SaveLoadScreenTest, DeleteAsksThenRemovesTheSave) {
  playToTheMiddle();
  writeIndex({"Béla|2024.01.01. 00:00:00|Övé|BBBBBBBBBB|Source|Próba könyv|0|3"});
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Első"));
  ASSERT_EQ(SaveWindowNext::Close, saveAs("Második"));

  SaveLoadScreen screen(game, SaveWindowMode::Load, random);
  ASSERT_TRUE(screen.Open());
  const std::string file = screen.entries()[0].fileName;
  ui.answer(false);
  EXPECT_FALSE(screen.ConfirmDelete(0));
  ui.answer(true);
  ASSERT_TRUE(screen.ConfirmDelete(0));
  EXPECT_EQ((std::vector<std::string>{"Biztosan törlöd ezt a Mentést?", "Első"}),
            ui.eventsOf(Kind::Question).back().lines);
  EXPECT_EQ(SaveWindowNext::Stay, screen.DeleteGame(0));
  EXPECT_FALSE(fs::exists(folder.filePath(file, kGameExtension)));
  ASSERT_EQ(1u, screen.entries().size());
  EXPECT_EQ("Második", screen.entries()[0].saveName);
  EXPECT_EQ(3u, readIndex().size());

  // A delete that cannot be written is told; the save, its line and its file stay.
  fs::create_directories(TemporaryPathFor(folder.filePath(kIndexName, kIndexExtension)));
  const std::string kept = screen.entries()[0].fileName;
  EXPECT_EQ(SaveWindowNext::Stay, screen.DeleteGame(0));
  EXPECT_FALSE(game.errors.FatalErrorFlag());
  EXPECT_EQ((std::vector<std::string>{"A törlés nem sikerült, a játék folytatódik!",
                                      "HIBA 0328: Save/Save.zrx nem írható"}),
            ui.eventsOf(Kind::Info).back().lines);
  EXPECT_EQ(1u, screen.entries().size());
  EXPECT_EQ(3u, readIndex().size());
  EXPECT_TRUE(fs::exists(folder.filePath(kept, kGameExtension)));
}

}  // namespace
}  // namespace zrx
