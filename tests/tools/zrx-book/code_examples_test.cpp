// Every example code of docs/authoring.md goes through zrx-book's checker and through the
// engine's interpreter, and both give it the same verdict: accepted, or refused as malformed.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "authoring_examples.h"
#include "battle.h"
#include "battle_math.h"
#include "change_commands.h"
#include "code_check.h"
#include "conditions.h"
#include "effect_code.h"
#include "game_fixture.h"
#include "navigation.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx::test {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

std::string describe(const book::Diagnostics& diags) {
  std::ostringstream out;
  diags.print(out);
  return out.str();
}

class CodeExamplesTest : public GameFixture {
 protected:
  CodeExamplesTest() {
    for (int n = 0; n <= kRecords; ++n) {
      index_.items.insert(n);
      index_.infos.insert(n);
      index_.opponents.insert(n);
      index_.baseValues.insert(n);
      index_.magicSkills.insert(n);
      game.stores.items.Insert({.Number = n, .Count = 1});
      game.stores.infos.Insert({.Number = n});
      game.stores.baseValues.Insert({.Number = n, .Current = 7});
      game.stores.magicSkills.Insert({.Number = n, .IsMagic = 1});
      game.stores.monsters.Insert({.Number = n, .Name = "Ellenfél", .Stamina = 5, .Skill = 5, .FlightCode = "00",
                                   .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"});
    }
    for (int n = -1; n <= 1000; ++n) index_.chapters.insert(n);
    game.state.GameLoaded = true;
    // Tests and offers wait on their page instead of rolling at once.
    game.state.settings.ChangeSignalLevel = 1;
  }

  // What the checker prints for a condition string; empty when it accepts it.
  std::string checkConditions(const std::string& code) {
    TChapterRec chapter{.Number = 1, .Conditions = code};
    if (code.starts_with('X')) {
      chapter.NextChapters = "015HHH";
    } else {
      for (std::size_t i = 0; i < split(code, '#').size(); ++i) chapter.NextChapters += "001";
    }
    book::Diagnostics diags;
    book::CodeCheck check(index_, diags, "examples.yaml", 1, "Conditions");
    book::CheckConditions(chapter, check);
    return describe(diags);
  }

  // The interpreter's verdict on a condition string: every item evaluated on its own.
  bool interpreterAccepts(const std::string& code) {
    try {
      if (code.starts_with('X')) {
        typedAnswer(code);
        return true;
      }
      for (const std::string& group : split(code, '#')) {
        if (group == "0") continue;
        for (const std::string& item : split(group, ',')) {
          game.state.conditions = {};
          game.state.tests = {};
          Conditions(game).FeltetelEllenorzes(item);
        }
      }
      return true;
    } catch (const BookCodeError&) {
      return false;
    }
  }

  // A wrong number typed at a typed answer: the attempts of the code decide what follows.
  void typedAnswer(const std::string& code) {
    NavigationState& nav = game.state.navigation;
    nav.NextChapterList = {code, "015HHH"};
    nav.TypedChoiceMode = true;
    nav.WrongGuessCount = 1;
    game.screen.EditNext.setText("999");
    Navigation(game).KlikkFejezetPontKivalasztas();
  }

  // What the checker prints for one change in SpecialChange`queue`; empty when it accepts it.
  std::string checkChange(int queue, const std::string& code) {
    TChapterRec chapter{.Number = 1};
    std::string* fields[] = {&chapter.SpecialChange1, &chapter.SpecialChange2, &chapter.SpecialChange3,
                             &chapter.SpecialChange4};
    *fields[queue - 1] = code;
    book::Diagnostics diags;
    book::CheckSpecialChanges(chapter, book::SourceLines{}, index_, diags, "examples.yaml");
    return describe(diags);
  }

  // The interpreter's verdict on one change: it reads without a malformed field and finds the
  // change's "#" where the change ends.
  bool interpreterAccepts(int queue, const std::string& code) {
    try {
      SpecialChanges changes(game);
      ChangeRun run{.queue = queue};
      switch (queue) {
        case 1: CharacteristicCommands(game, changes).Run(code, run); break;
        case 2: ItemChanges(game, changes).Run(code, run); break;
        case 3: InformationCommands(game).Run(code, run); break;
        default: MagicSkillCommands(game).Run(code, run); break;
      }
      return run.length < code.size() && code[run.length] == '#';
    } catch (const BookCodeError&) {
      return false;
    }
  }

  // What the checker prints for a battle declaration; empty when it accepts it.
  std::string checkBattle(const std::string& code) {
    book::Diagnostics diags;
    book::CodeCheck check(index_, diags, "examples.yaml", 1, "BattleCode");
    book::CheckBattleCode(code, check);
    return describe(diags);
  }

  // The interpreter's verdict on a battle declaration: the battle is set up at chapter point
  // 1 entered from 21; a die's pick is set up once the die shows 6.
  bool battleAccepted(const std::string& code) {
    try {
      game.stores.chapters.Insert({.Number = 1, .BattleCode = code});
      game.state.CurrentChapter = 1;
      game.state.navigation.VisitedPath = {"21", "1"};
      Battle(game).CsataElokeszites();
      if (game.state.battle.OpponentRollPending) {
        game.state.battle.OpponentRollDone = true;
        game.state.tests.RollResult1 = 6;
        Battle(game).CsataElokeszites();
      }
      return true;
    } catch (const BookCodeError&) {
      return false;
    }
  }

  // What the checker prints for an item's UseCode (`info` false) or an information's Code.
  std::string checkUseCode(const std::string& code, bool info = false) {
    book::Diagnostics diags;
    book::CodeCheck check(index_, diags, "examples.yaml", 1, info ? "Code" : "UseCode");
    info ? book::CheckInfoCode(code, check) : book::CheckItemUseCode(code, check);
    return describe(diags);
  }

  // The interpreter's verdict on a UseCode: a usable item's or a worn item's groups are read,
  // a battle code acts where the battle reads it (its dice always show 5).
  bool useCodeAccepted(const std::string& code) {
    using grammar::use::IsBattleCode;
    try {
      dice.push({5, 5, 5, 5, 5, 5, 5, 5});
      if (effectCodeIs(code, 'A')) usableItemGroups(code);
      if (effectCodeIs(code, 'K')) modifierGroups(code);
      if (IsBattleCode(code, 'T')) AttackModifierOf(code);
      if (IsBattleCode(code, 'U')) Battle(game).CsataTargyEllenorzesA2(code);
      if (IsBattleCode(code, 'F')) Battle(game).CsataTargyEllenorzesB2(code);
      if (IsBattleCode(code, 'V') || IsBattleCode(code, 'N')) woundRoundWith(code);
      return true;
    } catch (const BookCodeError&) {
      return false;
    }
  }

  // A round lost ("CV") or won ("CN") while holding an item of `code`.
  void woundRoundWith(const std::string& code) {
    // A store keeps the first record of a number: each code gets an item of its own.
    const int item = kRecords + 1 + static_cast<int>(game.stores.items.size());
    game.stores.items.Insert({.Number = item, .Count = 1, .UseCode = code});
    game.state.equipment.EquipmentList = {std::to_string(item)};
    game.state.battle = {};
    game.state.battle.CurrentOpponent = game.stores.monsters.Find(1);
    game.state.values.Stamina = game.state.battle.CurrentOpponent.Stamina = 20;
    if (grammar::use::IsBattleCode(code, 'V')) {
      Battle(game).ForduloVesztes();
    } else {
      Battle(game).ForduloNyeres();
    }
  }

  // What the checker prints for one battle field of an opponent (its other fields as by default).
  std::string checkOpponentField(const std::string& field, const std::string& code) {
    TMonsterRec opponent{.Number = 1, .Name = "Ellenfél", .Stamina = 5, .Skill = 5, .FlightCode = "00",
                         .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"};
    *opponentField(opponent, field) = code;
    book::Diagnostics diags;
    book::CheckOpponentCodes(opponent, book::SourceLines{}, index_, diags, "examples.yaml");
    return describe(diags);
  }

  static std::string* opponentField(TMonsterRec& opponent, const std::string& field) {
    const std::pair<const char*, std::string TMonsterRec::*> fields[] = {
        {"FlightCode", &TMonsterRec::FlightCode}, {"AttackMods", &TMonsterRec::AttackMods},
        {"RollBattleCode", &TMonsterRec::RollBattleCode}, {"WoundMods", &TMonsterRec::WoundMods},
        {"BattleValueCodes", &TMonsterRec::BattleValueCodes}, {"ExtraCode", &TMonsterRec::ExtraCode},
        {"SpecialWeapon", &TMonsterRec::SpecialWeapon}};
    for (const auto& [name, member] : fields) {
      if (field == name) return &(opponent.*member);
    }
    return nullptr;
  }

  // The interpreter's verdict on one battle field: the battle reads it where it acts, after a
  // round won and lost (its dice always show 3, the player answers no).
  bool opponentFieldAccepted(const std::string& field, const std::string& code) {
    try {
      game.state.battle = {};
      TMonsterRec& opponent = game.state.battle.CurrentOpponent;
      opponent = game.stores.monsters.Find(1);
      *opponentField(opponent, field) = code;
      game.state.battle.BattleValueCodes = opponent.BattleValueCodes;
      game.state.battle.RoundsWon = game.state.battle.RoundsLost = game.state.battle.RoundsFought = 1;
      game.state.values.Stamina = opponent.Stamina = 20;
      dice.push({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
      Battle battle(game);
      flightAvailableAtLoad(opponent.FlightCode);
      flightAvailableAfterRound(opponent.FlightCode, 1);
      PlayerAttackModifier(game, 0);
      for (int result : {1, 2}) {
        game.state.battle.LastRoundResult = result;
        battle.ForduloUtaniExtrak();
      }
      if (field == "RollBattleCode" && code.starts_with(grammar::opponent::kRollRule.letter.chars)) {
        for (int pips = 1; pips <= 6; ++pips) battle.ForduloUtaniDobas(pips);
      }
      for (int who : {0, 1}) {
        for (int kind : {0, 1}) battle.Sebesules(who, kind);
      }
      if (!opponent.ExtraCode.empty()) battle.TobbEllenfelVagySzovetsegesek();
      if (!opponent.SpecialWeapon.empty()) {
        game.screen.LabelSpecFegyver.setEnabled(true);
        ui.answer(false);
        battle.KlikkSpecFegyverAlkalmazas();
      }
      return true;
    } catch (const BookCodeError&) {
      return false;
    }
  }

  static constexpr int kRecords = 30;
  book::BookIndex index_;
};

TEST_F(CodeExamplesTest, ConditionExamplesAreAcceptedByBoth) {
  int seen = 0;
  for (const AuthoringExample& example : AuthoringExamples(ZRX_AUTHORING_DOC)) {
    if (!example.section.starts_with("Conditions")) continue;
    ++seen;
    SCOPED_TRACE(example.code);
    EXPECT_EQ(checkConditions(example.code), "");
    EXPECT_TRUE(interpreterAccepts(example.code));
  }
  // The extraction must find the table at all, or the loop above proves nothing.
  EXPECT_GT(seen, 0);
}

TEST_F(CodeExamplesTest, MalformedConditionsAreRefusedByBoth) {
  for (const char* code : {"T00A>=001", "D5", "D2A1.", "K2001", "VD01<<14", "EL08122", "VI01>=11+A+006", "FF+0A1",
                           "P2-", "Y1001002X"}) {
    SCOPED_TRACE(code);
    EXPECT_NE(checkConditions(code), "");
    EXPECT_FALSE(interpreterAccepts(code));
  }
}

TEST_F(CodeExamplesTest, SpecialChangeExamplesAreAcceptedByBoth) {
  int seen[4] = {};
  for (const AuthoringExample& example : AuthoringExamples(ZRX_AUTHORING_DOC)) {
    for (int queue = 1; queue <= 4; ++queue) {
      if (example.section.find("SpecialChange" + std::to_string(queue)) == std::string::npos) continue;
      ++seen[queue - 1];
      SCOPED_TRACE(example.code);
      // An example stands alone here: it is the first change of its chapter point.
      const std::string code = "01" + example.code.substr(2);
      EXPECT_EQ(checkChange(queue, code), "");
      EXPECT_TRUE(interpreterAccepts(queue, code));
    }
  }
  for (int count : seen) EXPECT_GT(count, 0);
}

TEST_F(CodeExamplesTest, MalformedSpecialChangesAreRefusedByBoth) {
  const std::pair<int, const char*> cases[] = {
      {1, "01N0A-01#"}, {1, "01-O0201<<2-02"}, {1, "01-S02S+02+#"}, {1, "01-B02I0X5+12A#"},
      {2, "01-O0021,003#"}, {2, "01-T122013015#"}, {2, "01-B004003,015001"}, {2, "03N001+0100#"},
      {3, "02N+0001#"}, {3, "02TN013004+#"}, {4, "03S001=0#"}, {4, "01N+001"},
  };
  for (const auto& [queue, code] : cases) {
    SCOPED_TRACE(code);
    EXPECT_NE(checkChange(queue, code), "");
    EXPECT_FALSE(interpreterAccepts(queue, code));
  }
}

TEST_F(CodeExamplesTest, BattleExamplesAreAcceptedByBoth) {
  int seen = 0;
  for (const AuthoringExample& example : AuthoringExamples(ZRX_AUTHORING_DOC)) {
    if (!example.section.starts_with("Battles")) continue;
    ++seen;
    SCOPED_TRACE(example.code);
    EXPECT_EQ(checkBattle(example.code), "");
    EXPECT_TRUE(battleAccepted(example.code));
  }
  EXPECT_GT(seen, 0);
}

TEST_F(CodeExamplesTest, MalformedBattlesAreRefusedByBoth) {
  for (const char* code : {"N", "N0A1", "R001002", "P021#NIF", "P0A1005"}) {
    SCOPED_TRACE(code);
    EXPECT_NE(checkBattle(code), "");
    EXPECT_FALSE(battleAccepted(code));
  }
}

TEST_F(CodeExamplesTest, UseCodeExamplesAreAcceptedByBoth) {
  int seen = 0;
  for (const QuotedCode& example : QuotedExamples(ZRX_AUTHORING_DOC)) {
    if (example.field != "UseCode") continue;
    ++seen;
    SCOPED_TRACE(example.code);
    EXPECT_EQ(checkUseCode(example.code), "");
    EXPECT_TRUE(useCodeAccepted(example.code));
    // Information carries the attack modifier of items as it stands.
    if (grammar::use::IsBattleCode(example.code, 'T')) {
      EXPECT_EQ(checkUseCode(example.code, true), "");
    }
  }
  EXPECT_GT(seen, 0);
}

TEST_F(CodeExamplesTest, MalformedUseCodesAreRefusedByBoth) {
  for (const char* code : {"A02+0", "A0X+04", "A02+04A03+0", "K01+FA", "CT+A", "CU", "CVD+1A6", "CND-2", "CFN1DA6"}) {
    SCOPED_TRACE(code);
    EXPECT_NE(checkUseCode(code), "");
    EXPECT_FALSE(useCodeAccepted(code));
  }
  EXPECT_NE(checkUseCode("CT+A", true), "");
}

TEST_F(CodeExamplesTest, OpponentExamplesAreAcceptedByBoth) {
  std::set<std::string> fields;
  for (const QuotedCode& example : QuotedExamples(ZRX_AUTHORING_DOC)) {
    TMonsterRec probe;
    if (!opponentField(probe, example.field)) continue;
    fields.insert(example.field);
    SCOPED_TRACE(example.field + " " + example.code);
    EXPECT_EQ(checkOpponentField(example.field, example.code), "");
    EXPECT_TRUE(opponentFieldAccepted(example.field, example.code));
  }
  // Every battle field of an opponent has its example.
  EXPECT_EQ(fields.size(), 7u);
}

TEST_F(CodeExamplesTest, MalformedOpponentFieldsAreRefusedByBoth) {
  const std::pair<const char*, const char*> cases[] = {
      {"FlightCode", "2"},          {"AttackMods", "1-X2"},    {"AttackMods", "1+"},
      {"RollBattleCode", "1G-NX"},  {"RollBattleCode", "2M3X-E2I1R1"}, {"RollBattleCode", "2M32-E2I1RX"},
      {"RollBattleCode", "3N0X6"},  {"RollBattleCode", "4G>E0"}, {"WoundMods", "2022111"},
      {"WoundMods", "X0201111"},    {"BattleValueCodes", "04X2"}, {"ExtraCode", "080X"},
      {"SpecialWeapon", "0X8S"},
  };
  for (const auto& [field, code] : cases) {
    SCOPED_TRACE(std::string(field) + " " + code);
    EXPECT_NE(checkOpponentField(field, code), "");
    EXPECT_FALSE(opponentFieldAccepted(field, code));
  }
}

}  // namespace
}  // namespace zrx::test
