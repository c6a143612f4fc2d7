#include "save_game_fixture.h"

#include <cstdio>

#include "characteristics.h"
#include "lifecycle.h"
#include "navigation.h"
#include "save_index.h"

namespace zrx::test {
namespace {

constexpr int kChapterCount = 12;  // -1 (last text), 0 and 1..10

std::string hex3(int chapter) {
  char text[8];
  std::snprintf(text, sizeof text, "%03X", chapter);
  return text;
}

}  // namespace

void FillTestBook(BookStores& book, std::vector<TextList>& texts) {
  book.books.Insert({.Number = 1, .ChapterCount = kChapterCount, .Title = "Próba könyv",
                     .SpecialValueCount = 1, .SpecialValueCodes = "05", .LastChapter = kChapterCount - 2,
                     .SeriesTitle = "Sorozat", .MoneyItem = 1});
  book.chapters.Insert({.Number = -1, .NextChapters = "000"});
  book.chapters.Insert({.Number = 0, .NextChapters = "001"});
  for (int c = 1; c <= 10; ++c) book.chapters.Insert({.Number = c, .NextChapters = hex3(c % 10 + 1)});
  book.items.Insert({.Number = 1, .Name = "Aranypénz", .Category = 0});
  book.items.Insert({.Number = 7, .Name = "Kard", .Count = 1, .Category = 1});
  book.items.Insert({.Number = 12, .Name = "Pajzs", .Count = 1, .Category = 2});
  book.items.Insert({.Number = 101, .Name = "Kötél", .Count = 1, .Category = 8});
  book.infos.Insert({.Number = 4, .Name = "Jelszó", .Kind = 0});
  book.infos.Insert({.Number = 15, .Name = "Átok", .Kind = 1001});
  book.infos.Insert({.Number = 16, .Name = "Számláló", .Kind = 3001});
  book.infos.Insert({.Number = 30, .Name = "Rejtett nyom", .InfoFlag = 1, .Kind = 2001});
  book.magicSkills.Insert({.Number = 3, .IsMagic = 1, .Name = "Tűzgolyó", .Level = 1, .MaxLevel = 3, .Uses = 2});
  book.magicSkills.Insert({.Number = 8, .Name = "Lopakodás", .Level = 1, .MaxLevel = 1});
  book.baseValues.Insert({.Number = 1, .Name = "Ügyesség"});
  book.baseValues.Insert({.Number = 2, .LimitFatal = 1, .Name = "Életerő"});
  book.baseValues.Insert({.Number = 3, .Name = "Szerencse"});
  book.baseValues.Insert({.Number = 5, .Dice = 1, .Bonus = 6, .Name = "Mana"});
  texts.assign(kChapterCount, TextList{});
  for (int c = 0; c < kChapterCount; ++c) texts[static_cast<std::size_t>(c)] = {"Szöveg " + std::to_string(c)};
}

SaveGameFixture::SaveGameFixture() : GameFixture(program.path()) {
  FillTestBook(loader.book, loader.texts);
  game.state.PlayerName = "Anna";
}

void SaveGameFixture::playToTheMiddle() {
  dice.push({3, 4, 5, 2, 6});  // skill, stamina (two dice), luck, "Mana"
  Lifecycle(game).Indit(NewGameChoice{"Source", 1, 1, 2});
  ASSERT_TRUE(game.state.GameLoaded);
  // Sixty-seven chapter points: round the ring of ten and on to 7.
  Navigation navigation(game);
  for (int step = 0; step < 67; ++step) {
    game.state.CurrentChapter = step % 10 + 1;
    navigation.FejezetPont();
  }
  ASSERT_EQ(7, game.state.CurrentChapter);

  GameState& s = game.state;
  BookStores& st = game.stores;
  s.equipment.EquipmentList = {"001", "007", "012", "101"};
  for (const char* name : {"Aranypénz", "Kard", "Pajzs", "Kötél"}) game.screen.ListBox_FT.addItem(name);
  st.items.SetCount(1, 25);
  st.items.SetCount(101, 2);
  s.equipment.EquippedItems[1] = 7;
  s.equipment.EquippedItems[2] = 12;
  s.knowledge.InfoList = {"004", "015", "016"};
  for (const char* name : {"Jelszó", "Átok", "Számláló"}) game.screen.ListBox_IN.addItem(name);
  st.infos.ChangeTime(15, '=', 3);
  st.infos.ChangeTime(16, '=', 1500);
  s.knowledge.HiddenInfoList = {"030"};
  st.infos.ChangeTime(30, '=', 2000);
  s.knowledge.MagicSkillList = {"003", "008"};
  for (const char* name : {"Tűzgolyó", "Lopakodás"}) game.screen.ListBox_VK.addItem(name);
  st.magicSkills.Change(3, 'S', 2);
  st.magicSkills.Change(3, 'K', 1);
  s.knowledge.OwnNotes = {"", " a kulcs a kút alatt", "", " Zoltán | barát", "", " ötödik"};
  Characteristics characteristics(game);
  characteristics.AlapErtekValtoztatas(2, 1, '-', 5);
  characteristics.AlapErtekValtoztatas(5, 1, '-', 4);
  characteristics.AlapErtekValtoztatas(5, 3, '=', 1);
  characteristics.FoAlapErtekVisszaIras();
}

void SaveGameFixture::writeIndex(const std::vector<std::string>& lines) {
  std::vector<std::string> all = {std::string(kIndexSentinel)};
  all.insert(all.end(), lines.begin(), lines.end());
  ASSERT_EQ(0, folder.Write(all, kIndexName, kIndexExtension));
}

std::vector<std::string> SaveGameFixture::readIndex() const {
  std::vector<std::string> lines;
  EXPECT_EQ(0, folder.Read(lines, kIndexName, kIndexExtension));
  return lines;
}

}  // namespace zrx::test
