#include <gtest/gtest.h>

#include "battle_fixture.h"
#include "lifecycle.h"

namespace zrx::test {
namespace {

class BattleEnd : public BattleFixture {
 protected:
  void fight(TMonsterRec rec, const std::string& declaration = "N001") {
    add(rec);
    declare(declaration);
    setUp();
  }
  TMonsterRec fleeable(int stamina = 30) {
    TMonsterRec rec = opponent(1, 7, stamina);
    rec.FlightCode = "1N";
    return rec;
  }
  std::vector<std::vector<std::string>> questions() {
    std::vector<std::vector<std::string>> out;
    for (const UiEvent& e : ui.eventsOf(UiEvent::Kind::Question)) out.push_back(e.lines);
    return out;
  }
  void expectVictory() {
    EXPECT_EQ("Győztél! Válts a Történet fülre!", line1());
    EXPECT_TRUE(b().LastBattleWon);
    EXPECT_FALSE(b().BattleRunning);
    EXPECT_FALSE(game.screen.BitBtn5.enabled());
    EXPECT_EQ("Harc", game.screen.BitBtn5.text());
    EXPECT_EQ(TextList{"13"}, state().navigation.NextChapterList);
    EXPECT_EQ(15, state().navigation.PendingKind);
    EXPECT_EQ('3', state().navigation.PageMarks[4]);
  }
};

TEST_F(BattleEnd, FlightIsRefusedAtTwoLifePoints) {
  setPlayer(10, 2, 9);
  fight(fleeable());
  battle().KlikkElmenekules();
  const std::vector<UiEvent> notices = ui.eventsOf(UiEvent::Kind::Info);
  ASSERT_EQ(1u, notices.size());
  EXPECT_EQ((std::vector<std::string>{"Túl kevés Életerő pontod van!", "Menekülés nem hajtható végre!"}),
            notices[0].lines);
  EXPECT_EQ(2, v().Stamina);
  EXPECT_TRUE(questions().empty());
}

TEST_F(BattleEnd, FlightFromThreeWarnsOfDeath) {
  for (bool lucky : {true, false}) {
    SCOPED_TRACE(lucky ? "lucky" : "unlucky");
    b() = {};
    ui.clearEvents();
    game.stores.monsters.Clear();
    setPlayer(10, 3, 9);
    fight(fleeable());
    ui.answer(true);
    ui.answer(true);
    dice.push({lucky ? 1 : 6, lucky ? 1 : 6});
    battle().KlikkElmenekules();
    EXPECT_EQ((std::vector<std::vector<std::string>>{
                  {"Biztosan Elmenekülsz?", "(2 Életerő pont veszteséggel jár)"},
                  {"Próbára teszed a Szerencsédet, miközbenElmenekülsz?", "Balszerencse esetén meghalsz!"}}),
              questions());
    EXPECT_EQ(8, v().Luck);
    EXPECT_FALSE(b().FlightLuckTest);
    if (lucky) {
      EXPECT_EQ(2, v().Stamina);
      EXPECT_EQ("Elmenekültél!", line1());
      EXPECT_TRUE(b().LastBattleFled);
      EXPECT_FALSE(b().LastBattleWon);
      EXPECT_EQ(2, game.stores.baseValues.Find(2).Current);
      EXPECT_EQ(TextList{"13"}, state().navigation.NextChapterList);
    } else {
      EXPECT_TRUE(died());
      EXPECT_FALSE(b().LastBattleFled);
    }
  }
}

TEST_F(BattleEnd, UnluckyFlightAtTheLimitEndsAsFledWhenTheOpponentSparesLife) {
  TMonsterRec rec = fleeable();
  rec.DeathMode = 1;
  setPlayer(10, 3, 9);
  fight(rec);
  ui.answer(true);
  ui.answer(true);
  dice.push({6, 6});
  battle().KlikkElmenekules();
  EXPECT_FALSE(died());
  EXPECT_EQ(0, v().Stamina);
  EXPECT_EQ("Elmenekültél!", line1());
  EXPECT_TRUE(b().LastBattleFled);
  EXPECT_FALSE(b().LastBattleWon);
  EXPECT_FALSE(b().BattleRunning);
  EXPECT_EQ(TextList{"13"}, state().navigation.NextChapterList);
}

TEST_F(BattleEnd, FlightFromFourAsksThePlainQuestion) {
  setPlayer(10, 4, 9);
  fight(fleeable());
  ui.answer(true);
  ui.answer(false);  // no luck test
  battle().KlikkElmenekules();
  EXPECT_EQ((std::vector<std::string>{"Próbára teszed a Szerencsédet, miközben", "Elmenekülsz?"}), questions().at(1));
  EXPECT_EQ(2, v().Stamina);
  EXPECT_EQ("", b().PlayerLifeWounds);  // flight costs life but no tally
  EXPECT_TRUE(b().LastBattleFled);
  EXPECT_EQ(9, v().Luck);
}

TEST_F(BattleEnd, FlightLeavesNoOpponentValuesOnThePanel) {
  setPlayer(10, 4, 9);
  fight(fleeable());
  // What the rows of a group's other opponents showed during the battle.
  BattlePanel& panel = game.screen.battle;
  for (int row = 2; row <= 3; ++row) {
    for (const char* part : {"Nev", "Ugyesseg", "Dobas", "Tamadoero"}) panel.Szorny(row, part).setText("7");
  }
  ui.answer(true);
  ui.answer(false);
  battle().KlikkElmenekules();
  ASSERT_TRUE(b().LastBattleFled);
  for (int row = 2; row <= 3; ++row) {
    for (const char* part : {"Nev", "Ugyesseg", "Dobas", "Tamadoero"}) {
      EXPECT_EQ("", panel.Szorny(row, part).text()) << part << row;
    }
  }
  EXPECT_EQ("", panel.Szorny(1, "Eletero").text());
}

TEST_F(BattleEnd, FlightWithoutLuckToSpareAsksNoLuckQuestion) {
  setPlayer(10, 10, 1);
  fight(fleeable());
  ui.answer(true);
  battle().KlikkElmenekules();
  EXPECT_EQ(1u, questions().size());
  EXPECT_TRUE(b().LastBattleFled);
  EXPECT_EQ(8, v().Stamina);
}

TEST_F(BattleEnd, DecliningFlightChangesNothing) {
  fight(fleeable());
  ui.answer(false);
  battle().KlikkElmenekules();
  EXPECT_EQ(20, v().Stamina);
  EXPECT_FALSE(b().LastBattleFled);
  EXPECT_TRUE(game.screen.LabelMenekules.enabled());
}

TEST_F(BattleEnd, FlightBecomesAvailableAfterRounds) {
  TMonsterRec rec = opponent(1, 7, 30);
  rec.FlightCode = "2<";
  fight(rec);
  EXPECT_TRUE(game.screen.LabelMenekules.visible());
  EXPECT_FALSE(game.screen.LabelMenekules.enabled());
  round(kWon);
  EXPECT_FALSE(game.screen.LabelMenekules.enabled());
  round(kWon);
  EXPECT_TRUE(game.screen.LabelMenekules.enabled());
}

TEST_F(BattleEnd, SpecialWeaponKillsTheOpponentBeforeTheFirstRound) {
  item(7, "", 2);
  TMonsterRec rec = opponent(1, 7, 30);
  rec.SpecialWeapon = "007";
  fight(rec);
  ui.answer(true);
  battle().KlikkSpecFegyverAlkalmazas();
  EXPECT_EQ((std::vector<std::string>{"Biztosan felhasználod ezt a Felszerelési Tárgyadat?", "Tárgy 7"}),
            questions().at(0));
  EXPECT_EQ(1, game.stores.items.Find(7).Count);
  EXPECT_EQ(TextList{"007"}, state().equipment.EquipmentList);
  expectVictory();
}

TEST_F(BattleEnd, SpecialWeaponWithLuckTest) {
  for (bool lucky : {true, false}) {
    SCOPED_TRACE(lucky ? "lucky" : "unlucky");
    b() = {};
    ui.clearEvents();
    game.stores.monsters.Clear();
    game.stores.items.Clear();
    state().equipment.EquipmentList.clear();
    game.screen.ListBox_FT.setItems({"Tárgy 7"});
    item(7, "", 1);
    TMonsterRec rec = opponent(1, 7, 30);
    rec.SpecialWeapon = "007S";
    add(opponent(2, 6, 12));
    fight(rec, "N001002");
    ui.answer(true);
    dice.push({lucky ? 1 : 6, lucky ? 1 : 6});
    battle().KlikkSpecFegyverAlkalmazas();
    const std::vector<UiEvent> notices = ui.eventsOf(UiEvent::Kind::Info);
    ASSERT_EQ(1u, notices.size());
    EXPECT_EQ(lucky ? "A Speciális Fegyver alkalmazása sikeres volt!" : "A Speciális Fegyver alkalmazása sikertelen volt!",
              notices[0].lines[0]);
    // Used up either way.
    EXPECT_EQ(0, game.stores.items.Find(7).Count);
    EXPECT_TRUE(state().equipment.EquipmentList.empty());
    EXPECT_TRUE(game.screen.ListBox_FT.items().empty());
    EXPECT_FALSE(game.screen.LabelSpecFegyver.enabled());
    EXPECT_EQ(lucky ? 2 : 1, b().CurrentOpponent.Number);
    EXPECT_EQ(lucky, b().BattleRunning);
    EXPECT_TRUE(b().LuckInBattle);
    EXPECT_FALSE(b().WeaponLuckTest);
  }
}

// A saved game is applied through the reset of a game start without leaving the chapter
// point of the running game, so that reset alone must close the declared battle's actions.
TEST_F(BattleEnd, GameStartResetLeavesNoBattleActionUsable) {
  item(7, "", 1);
  TMonsterRec rec = fleeable();
  rec.SpecialWeapon = "007";
  fight(rec);
  Control& weapon = game.screen.LabelSpecFegyver;
  ASSERT_TRUE(weapon.enabled());
  ASSERT_TRUE(game.screen.LabelMenekules.enabled());

  Lifecycle(game).ValtozoInicializalas();
  for (const Control* action : {&game.screen.BitBtn5, &game.screen.LabelMenekules, &weapon, &game.screen.LabelSzProba}) {
    EXPECT_FALSE(action->enabled());
  }
  EXPECT_FALSE(weapon.visible());
  EXPECT_TRUE(b().CurrentOpponent.SpecialWeapon.empty());

  // Even an action left enabled by mistake uses nothing when no opponent has a weapon.
  weapon.setEnabled(true);
  ui.answer(true);
  EXPECT_NO_THROW(battle().KlikkSpecFegyverAlkalmazas());
  EXPECT_TRUE(questions().empty());
  EXPECT_EQ(1, game.stores.items.Find(7).Count);
  EXPECT_FALSE(b().BattleRunning);
}

TEST_F(BattleEnd, WriteBackOfTheBattleCharacteristics) {
  TMonsterRec rec = opponent(1, 7, 2);
  rec.BattleValueCodes = "0405";
  fight(rec);
  round(kLost);  // 19 against 12 + 8
  EXPECT_EQ("Veszítesz 2 Kitartás pontot!", line2());
  EXPECT_EQ("0205", b().PlayerLifeWounds);
  EXPECT_EQ("4", game.screen.LabelBV(2, "TextNow").text());
  round(kWon);
  EXPECT_TRUE(b().LastBattleWon);
  EXPECT_EQ(8, game.stores.baseValues.Find(4).Current);
  EXPECT_EQ(4, game.stores.baseValues.Find(5).Current);
  EXPECT_EQ(10, v().Skill);
  EXPECT_EQ(20, v().Stamina);
  EXPECT_EQ(20, game.stores.baseValues.Find(2).Current);
  EXPECT_EQ("4", game.screen.LabelBV(2, "TextNow").text());
}

TEST_F(BattleEnd, WriteBackOfTheMainValues) {
  fight(opponent(1, 7, 2));
  round(kLost);
  round(kWon);
  EXPECT_EQ(18, game.stores.baseValues.Find(2).Current);
  EXPECT_EQ(24, game.stores.baseValues.Find(2).Start);
  EXPECT_EQ(18, v().Stamina);
  EXPECT_EQ("18", game.screen.LabelStaminaTextNow.text());
  expectVictory();
  EXPECT_EQ("", panel().Szorny(1, "Eletero").text());
  EXPECT_EQ("", panel().LabelJatekosEletero.text());
}

TEST_F(BattleEnd, BattleCountedInformation) {
  game.stores.infos.Insert({.Number = 21, .Name = "Infó 21", .Kind = 2500, .Time = 1});
  game.stores.infos.Insert({.Number = 22, .Name = "Infó 22", .Kind = 2500, .Time = 2});
  game.stores.infos.Insert({.Number = 23, .Name = "Infó 23", .Kind = 1500, .Time = 1});
  game.stores.infos.Insert({.Number = 24, .Name = "Infó 24", .InfoFlag = 1, .Kind = 2001, .Time = 1});
  state().knowledge.InfoList = {"021", "022", "023"};
  game.screen.ListBox_IN.setItems({"Infó 21", "Infó 22", "Infó 23"});
  state().knowledge.HiddenInfoList = {"024"};
  fight(opponent(1, 7, 2));
  round(kWon);
  EXPECT_EQ((TextList{"022", "023"}), state().knowledge.InfoList);
  EXPECT_EQ((std::vector<std::string>{"Infó 22", "Infó 23"}), game.screen.ListBox_IN.items());
  EXPECT_EQ(1, game.stores.infos.Find(22).Time);
  EXPECT_EQ(1, game.stores.infos.Find(23).Time);
  EXPECT_TRUE(state().knowledge.HiddenInfoList.empty());
}

TEST_F(BattleEnd, InformationIsNotCountedByAFlight) {
  game.stores.infos.Insert({.Number = 21, .Name = "Infó 21", .Kind = 2500, .Time = 1});
  state().knowledge.InfoList = {"021"};
  fight(fleeable());
  ui.answer(true);
  ui.answer(false);
  battle().KlikkElmenekules();
  EXPECT_EQ(TextList{"021"}, state().knowledge.InfoList);
}

TEST_F(BattleEnd, DeathEndsTheGame) {
  setPlayer(10, 2, 9);
  fight(opponent(1, 7, 30));
  round(kLost);
  ASSERT_TRUE(died());
  EXPECT_FALSE(state().GameLoaded);
  EXPECT_FALSE(b().BattleRunning);
  EXPECT_FALSE(panel().LabelEredmeny1.visible());
  EXPECT_FALSE(game.screen.BitBtn5.enabled());
  EXPECT_EQ("Harc", game.screen.BitBtn5.text());
  EXPECT_FALSE(game.screen.LabelMenekules.visible());
}

TEST_F(BattleEnd, VictoryOverEveryOpponentInTurn) {
  add(opponent(2, 6, 2));
  fight(opponent(1, 7, 2), "N001002");
  round(kWon);
  EXPECT_EQ(2, b().CurrentOpponent.Number);
  EXPECT_EQ("Ellenfeled meghalt! Új Ellenfél következik!", line2());
  EXPECT_TRUE(b().BattleRunning);
  EXPECT_EQ("1. Forduló", game.screen.BitBtn5.text());
  round(kWon);
  expectVictory();
}

}  // namespace
}  // namespace zrx::test
