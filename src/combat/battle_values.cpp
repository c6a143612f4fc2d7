// What the parts of a battle share: the battle's characteristics and their names, the
// values shown in the panel and on the sheet.
#include "battle.h"
#include "book_code.h"
#include "characteristics.h"
#include "dice_tests.h"
#include "opponent_grammar.h"

namespace zrx {
namespace {

constexpr const grammar::Field& kSkill = grammar::opponent::kBattleValues.field("skill");
constexpr const grammar::Field& kLife = grammar::opponent::kBattleValues.field("life");

}  // namespace

int Battle::skillNumber() const {
  const std::string& codes = game_.state.battle.BattleValueCodes;
  return codes.empty() ? 1 : kSkill.numberIn(codes);
}

int Battle::lifeNumber() const {
  const std::string& codes = game_.state.battle.BattleValueCodes;
  return codes.empty() ? 2 : kLife.numberIn(codes);
}

std::string Battle::skillName() const {
  if (game_.state.battle.BattleValueCodes.empty()) return "Ügyesség";
  return game_.stores.baseValues.Find(skillNumber()).Name;
}

std::string Battle::lifeName() const {
  if (game_.state.battle.BattleValueCodes.empty()) return "Életerő";
  return game_.stores.baseValues.Find(lifeNumber()).Name;
}

void Battle::showPlayerValues() {
  const MainValues& v = game_.state.values;
  ScreenModel& s = game_.screen;
  s.battle.LabelJatekosUgyesseg.setText(std::to_string(v.Skill));
  s.battle.LabelJatekosEletero.setText(std::to_string(v.Stamina));
  // The sheet shows them in the rows of the battle's characteristics.
  const auto sheetRow = [&](int number, Control& mainRow) -> Control* {
    if (number == 1 || number == 2 || number == 3) return &mainRow;
    Characteristics characteristics(game_);
    for (int slot = 1; slot <= game_.state.CurrentBook.SpecialValueCount && slot <= 4; ++slot) {
      if (characteristics.specialSlotNumber(slot) == number) return &s.LabelBV(slot, "TextNow");
    }
    return nullptr;
  };
  const auto mainRow = [&](int number) -> Control& {
    return number == 1 ? s.LabelSkillTextNow : number == 2 ? s.LabelStaminaTextNow : s.LabelLuckTextNow;
  };
  if (Control* row = sheetRow(skillNumber(), mainRow(skillNumber()))) row->setText(std::to_string(v.Skill));
  if (Control* row = sheetRow(lifeNumber(), mainRow(lifeNumber()))) row->setText(std::to_string(v.Stamina));
}

void Battle::showOpponentValues() {
  const TMonsterRec& opponent = game_.state.battle.CurrentOpponent;
  BattlePanel& panel = game_.screen.battle;
  panel.Szorny(1, "Ugyesseg").setText(std::to_string(opponent.Skill));
  panel.Szorny(1, "Eletero").setText(std::to_string(opponent.Stamina));
}

void Battle::setFightEnabled(bool enabled) { game_.screen.BitBtn5.setEnabled(enabled); }

}  // namespace zrx
