// Queue 4: magic and skill changes (their forms in change_grammar.h).
#include <algorithm>

#include "book_code.h"
#include "change_commands.h"
#include "change_grammar.h"
#include "game.h"
#include "magic_skills.h"
#include "shown_list.h"

namespace zrx {
namespace {

namespace form = grammar::change;
using grammar::Field;

constexpr const Field& kPlainSign = form::kMagicPlain.field("sign");
constexpr const Field& kPlainNumber = form::kMagicPlain.field("magicSkill");
constexpr const Field& kValueNumber = form::kMagicLevel.field("magicSkill");
constexpr const Field& kValueOperator = form::kMagicLevel.field("operator");
constexpr const Field& kValueAmount = form::kMagicLevel.field("amount");

}  // namespace

void MagicSkillCommands::Run(std::string_view change, ChangeRun& run) {
  switch (form::kCommand3.charIn(change)) {
    case 'N': addOrRemove(change, run); break;
    case 'S': case 'K': changeField(change, run); break;
    default: run.length = WholeChangeLength(change); break;
  }
}

void MagicSkillCommands::addOrRemove(std::string_view change, ChangeRun& run) {
  run.length = form::kMagicPlain.fixedLength();
  const char sign = kPlainSign.charIn(change);
  const int number = kPlainNumber.numberIn(change);
  ShownList list(game_.state.knowledge.MagicSkillList, &game_.screen.ListBox_VK);
  if (sign == '+' && !list.contains(number) && game_.stores.magicSkills.Contains(number)) {
    MagicSkills(game_).add(number);
  } else if (sign == '-') {
    list.removeAt(list.indexOf(number));
  }
}

void MagicSkillCommands::changeField(std::string_view change, ChangeRun& run) {
  run.length = form::kMagicLevel.fixedLength();
  const char field = form::kCommand3.charIn(change);
  const int number = kValueNumber.numberIn(change);
  const char op = kValueOperator.charIn(change);
  const int amount = kValueAmount.numberIn(change);
  const TMagicSkillRec rec = game_.stores.magicSkills.Find(number);
  const int old = field == 'S' ? rec.Level : rec.Uses;
  int value = old;
  switch (op) {
    case '+': value = old + amount; break;
    case '-': value = old - amount; break;
    case '=': value = amount; break;
    default: return;
  }
  game_.stores.magicSkills.Change(number, field, static_cast<std::uint8_t>(std::clamp(value, 0, 255)));
}

}  // namespace zrx
