// Queue 4: magic and skill changes (syntax in change_commands.h).
#include <algorithm>

#include "book_code.h"
#include "change_commands.h"
#include "game.h"
#include "magic_skills.h"
#include "shown_list.h"

namespace zrx {

void MagicSkillCommands::Run(std::string_view change, ChangeRun& run) {
  switch (charAt(change, 3)) {
    case 'N': addOrRemove(change, run); break;
    case 'S': case 'K': changeField(change, run); break;
    default: run.length = WholeChangeLength(change); break;
  }
}

void MagicSkillCommands::addOrRemove(std::string_view change, ChangeRun& run) {
  run.length = 7;
  const char sign = charAt(change, 4);
  const int number = numberAt(change, 5, 3);
  ShownList list(game_.state.knowledge.MagicSkillList, &game_.screen.ListBox_VK);
  if (sign == '+' && !list.contains(number) && game_.stores.magicSkills.Contains(number)) {
    MagicSkills(game_).add(number);
  } else if (sign == '-') {
    list.removeAt(list.indexOf(number));
  }
}

void MagicSkillCommands::changeField(std::string_view change, ChangeRun& run) {
  run.length = 9;
  const char field = charAt(change, 3);
  const int number = numberAt(change, 4, 3);
  const char op = charAt(change, 7);
  const int amount = numberAt(change, 8, 2);
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
