#include <gtest/gtest.h>

#include "possessions_fixture.h"

namespace zrx::test {
namespace {

using Kind = UiEvent::Kind;

class EquipmentPage : public PossessionsFixture {
 protected:
  EquipmentPage() {
    addItem({.Number = 7, .Name = "Rozsdás kard", .Description = "Régi#", .Value = 3,
             .UseCode = "K01+F2", .Category = 1});
    addItem({.Number = 8, .Name = "Tőr", .UseCode = "K01-F1", .Category = 1, .Magic = 1});
    addItem({.Number = 20, .Name = "Gyógyital", .UseCode = "A02+04", .Category = 8,
             .NotDroppable = 1});
    addItem({.Number = 9, .Name = "Gyűrű", .Category = 7, .Unique = 1});
    equipment.gainItem(7, 1);
    equipment.gainItem(8, 1);
    equipment.gainItem(20, 2);
    equipment.gainItem(9, 1);
  }
  void doubleClick(const std::string& number) {
    selectItem(number);
    equipment.DuplaKlikkFelszTargyLista();
  }
};

TEST_F(EquipmentPage, DetailsOfTheSelectedItem) {
  selectItem("007");
  equipment.KlikkFelszTargyLista();
  EXPECT_EQ((TextList{"Régi", "", " * * * * * * * * * * ", "DarabSzám: 1 -- Pénzérték: 3",
                       "Fegyver-kategóriájú Tárgy (használatban)", "Nem egyedi Tárgy",
                       "Nem mágikus Tárgy", "Eldobható Tárgy"}),
            game.screen.MemoFT_Leir.items());

  selectItem("008");
  equipment.KlikkFelszTargyLista();
  EXPECT_EQ("Fegyver-kategóriájú Tárgy", game.screen.MemoFT_Leir.items()[3]);
  EXPECT_EQ("Mágikus Tárgy", game.screen.MemoFT_Leir.items()[5]);
}

TEST_F(EquipmentPage, DetailsFollowTheCountOfTheSelectedItem) {
  const auto countLine = [this] {
    for (const std::string& line : game.screen.MemoFT_Leir.items())
      if (line.rfind("DarabSzám", 0) == 0) return line;
    return std::string("(none)");
  };
  selectItem("020");
  equipment.KlikkFelszTargyLista();
  ASSERT_EQ("DarabSzám: 2 -- Pénzérték: 0", countLine());
  equipment.gainItem(7, 1);
  EXPECT_EQ("DarabSzám: 2 -- Pénzérték: 0", countLine()) << "another item's count";
  equipment.loseItem(20, 1);
  EXPECT_EQ("DarabSzám: 1 -- Pénzérték: 0", countLine());
  equipment.gainItem(20, 3);
  EXPECT_EQ("DarabSzám: 4 -- Pénzérték: 0", countLine());
}

TEST_F(EquipmentPage, NoDetailsWithoutSelectionOrGame) {
  game.screen.MemoFT_Leir.setItems({"régi"});
  game.screen.ListBox_FT.setSelection(-1);
  equipment.KlikkFelszTargyLista();
  EXPECT_EQ((TextList{"régi"}), game.screen.MemoFT_Leir.items());
  game.state.GameLoaded = false;
  selectItem("007");
  equipment.KlikkFelszTargyLista();
  EXPECT_EQ((TextList{"régi"}), game.screen.MemoFT_Leir.items());
}

TEST_F(EquipmentPage, SwitchingWeaponsAsksAndMovesTheModifiers) {
  ui.answer(true);
  doubleClick("008");
  EXPECT_EQ((std::vector<UiEvent>{{Kind::Question,
                                   {"Szeretnéd ezentúl ezt a Tárgyat használni?",
                                    "(\"Rozsdás kard(..)\" helyett)"}}}),
            ui.events());
  EXPECT_TRUE(game.state.QuestionAnswer);
  EXPECT_EQ(8, inUse(1));
  EXPECT_EQ(9, value(1).Start) << "12 - 2 - 1";
  EXPECT_EQ(9, game.state.values.SkillStart);
}

TEST_F(EquipmentPage, SwitchRefusedOrNotNeeded) {
  ui.answer(false);
  doubleClick("008");
  EXPECT_EQ(7, inUse(1)) << "answered no";
  EXPECT_EQ(12, value(1).Start);

  ui.clearEvents();
  doubleClick("007");
  EXPECT_TRUE(ui.events().empty()) << "the item in use already: no question";

  game.state.equipment.SlotLocked[1] = true;
  doubleClick("008");
  EXPECT_EQ((std::vector<UiEvent>{{Kind::Info,
                                   {"Az aktuális fejezetponton nem válthatsz Tárgyat az adott",
                                    "tárgy kategóriájában!"}}}),
            ui.events());
  EXPECT_EQ(7, inUse(1));
}

TEST_F(EquipmentPage, SwitchIntoAnEmptySlotNamesNoItem) {
  equipment.TargyErtekVizsgalat(7, '-');
  ui.answer(true);
  doubleClick("008");
  ASSERT_EQ(1u, ui.events().size());
  EXPECT_EQ("(\"(..)\" helyett)", ui.events()[0].lines[1]);
  EXPECT_EQ(8, inUse(1));
  EXPECT_EQ(9, value(1).Start);
}

TEST_F(EquipmentPage, UsingAnItemAsksFirst) {
  ui.answer(false);
  doubleClick("020");
  EXPECT_EQ(2, count(20));
  ui.answer(true);
  doubleClick("020");
  EXPECT_EQ((UiEvent{Kind::Question, {"Biztosan felhasználod ezt a Felszerelési", "Tárgyat?"}}),
            ui.events().back());
  EXPECT_EQ(1, count(20));
  EXPECT_EQ(19, value(2).Current);
  ui.answer(true);
  doubleClick("020");
  EXPECT_EQ(20, value(2).Current);
  EXPECT_FALSE(equipment.holds(20));
  EXPECT_EQ(held().size(), shownItems().size());
}

TEST_F(EquipmentPage, MalformedEffectCodeIsShownAndChangesNothing) {
  addItem({.Number = 21, .Name = "Hibás ital", .UseCode = "A02+0", .Category = 8});
  equipment.gainItem(21, 1);
  ui.answer(true);
  selectItem("021");
  EXPECT_FALSE(game.Perform([this] { equipment.DuplaKlikkFelszTargyLista(); }));
  ASSERT_EQ(2u, ui.events().size());
  EXPECT_EQ(Kind::BookCodeError, ui.events()[1].kind);
  EXPECT_EQ(1, count(21));
  EXPECT_EQ(15, value(2).Current);
}

TEST_F(EquipmentPage, MoneyIsAnOrdinaryItem) {
  game.state.CurrentBook.MoneyItem = 12;
  addItem({.Number = 12, .Name = "Aranytallér", .Category = 0});
  EXPECT_EQ(0, equipment.money());
  equipment.gainItem(12, 30);
  EXPECT_EQ(30, equipment.money());
  EXPECT_EQ("Aranytallér", shownItems().back());
  equipment.loseItem(12, 30);
  EXPECT_FALSE(equipment.holds(12));
  EXPECT_EQ(held().size(), shownItems().size());
}

TEST_F(EquipmentPage, ItemsWithoutEffectOrSlotDoNothing) {
  doubleClick("009");
  EXPECT_TRUE(ui.events().empty());
}

TEST_F(EquipmentPage, DoubleClickIgnoredWhileBusy) {
  struct Case { const char* name; bool loaded; bool battle; int pendingKind; bool selected; };
  const Case cases[] = {
      {"no game", false, false, -1, true},
      {"battle running", true, true, -1, true},
      {"demand offer", true, false, 9, true},
      {"two-criteria demand", true, false, 10, true},
      {"exchange", true, false, 18, true},
      {"give up", true, false, 20, true},
      {"no line selected", true, false, -1, false},
  };
  for (const Case& c : cases) {
    game.state.GameLoaded = c.loaded;
    game.state.battle.BattleRunning = c.battle;
    game.state.navigation.PendingKind = c.pendingKind;
    game.screen.ListBox_FT.setSelection(-1);
    if (c.selected) selectItem("020");
    equipment.DuplaKlikkFelszTargyLista();
    EXPECT_TRUE(ui.events().empty()) << c.name;
    EXPECT_EQ(2, count(20)) << c.name;
  }
}

TEST_F(EquipmentPage, OtherOffersLeaveTheDoubleClickWorking) {
  game.state.navigation.PendingKind = 8;
  ui.answer(true);
  doubleClick("020");
  EXPECT_EQ(1, count(20));
}

}  // namespace
}  // namespace zrx::test
