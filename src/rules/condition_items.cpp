// The condition items that read the game state without dice.
#include <algorithm>

#include "book_code.h"
#include "conditions.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

// "MAX" stands for chapter 1000 in the chapter fields of "FF" and "FT".
constexpr int kMaxChapter = 1000;

int chapterField(std::string_view item) {
  return fieldAt(item, 4, 3) == "MAX" ? kMaxChapter : numberAt(item, 4, 3);
}

bool listHas(const TextList& list, std::string_view entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

}  // namespace

void Conditions::battleWonItem(std::string_view item) {
  const bool won = game_.state.battle.LastBattleWon;
  switch (charAt(item, 2)) {
    case '0': game_.state.conditions.ConditionMet = won; break;
    case '1': game_.state.conditions.ConditionMet = !won; break;
    default: break;
  }
}

void Conditions::battleFledItem(std::string_view item) {
  const bool fled = game_.state.battle.LastBattleFled;
  switch (charAt(item, 2)) {
    case '0': game_.state.conditions.ConditionMet = fled; break;
    case '1': game_.state.conditions.ConditionMet = !fled; break;
    default: break;
  }
}

void Conditions::visitedItem(std::string_view item) {
  const char kind = charAt(item, 2);
  const char sign = charAt(item, 3);
  const int chapter = chapterField(item);
  const TextList& path = game_.state.navigation.VisitedPath;
  bool& met = game_.state.conditions.ConditionMet;
  if (kind == 'F') {
    // Without a previous chapter point there is nothing to compare: the item fails.
    if (path.size() < 2) {
      met = false;
      return;
    }
    const bool same = numberOf(path[path.size() - 2]) == chapter;
    met = (sign == '+') ? same : !same;
  } else if (kind == 'T') {
    const bool visited = std::any_of(path.begin(), path.end(), [chapter](const std::string& entry) {
      return numberOf(entry) == chapter;
    });
    met = (sign == '-') ? !visited : visited;
  }
}

void Conditions::infoItem(std::string_view item) {
  const char sign = charAt(item, 2);
  const int number = numberAt(item, 3, 3);
  const bool held = Information(game_).possesses(number);
  GameState& gs = game_.state;
  ConditionState& cs = gs.conditions;
  if (game_.stores.infos.Find(number).InfoFlag == 1) {
    cs.ConditionMet = (sign == '+') ? held : !held;
    cs.InfoUseAwaited = false;
    return;
  }
  // The information that the player has just used decides the item it was awaited for.
  if (cs.InfoUsed) {
    cs.InfoUsed = false;
    cs.InfoUseAwaited = false;
    cs.ConditionMet = true;
    return;
  }
  if (held && sign == '+') {
    cs.InfoUseAwaited = true;
    cs.AwaitedInfo = std::string(fieldAt(item, 3, 3));
    gs.navigation.PendingKind = ToInt(PendingKind::InfoUse);
    cs.TestPending = true;
    return;
  }
  cs.ConditionMet = !held && sign != '+';
  cs.InfoUseAwaited = false;
}

void Conditions::allItemsHeldItem(std::string_view item) {
  const char count = charAt(item, 2);
  if (count != '2' && count != '3') return;
  bool all = true;
  for (int i = 0; i < count - '0'; ++i) {
    all = game_.stores.items.Find(numberAt(item, 3 + 3 * i, 3)).Count >= 1 && all;
  }
  game_.state.conditions.ConditionMet = all;
}

void Conditions::anyItemHeldItem(std::string_view item) {
  const int minimum = digitAt(item, 2);
  bool any = false;
  for (std::size_t pos = 3; pos <= item.size(); pos += 3) {
    any = game_.stores.items.Find(numberAt(item, pos, 3)).Count >= minimum || any;
  }
  game_.state.conditions.ConditionMet = any;
}

void Conditions::itemCountItem(std::string_view item) {
  const int count = game_.stores.items.Find(numberAt(item, 2, 3)).Count;
  RelacioEllenorzes(count, numberAt(item, 7, 3), fieldAt(item, 5, 2), 1, 1);
}

void Conditions::magicSkillItem(std::string_view item) {
  const TextList& known = game_.state.knowledge.MagicSkillList;
  switch (charAt(item, 2)) {
    case '1': {
      const auto spells = std::count_if(known.begin(), known.end(), [this](const std::string& e) {
        return game_.stores.magicSkills.Find(numberOf(e)).IsMagic == 1;
      });
      RelacioEllenorzes(static_cast<int>(spells), numberAt(item, 5, 2), fieldAt(item, 3, 2), 1, 1);
      break;
    }
    case '2': {
      const char sign = charAt(item, 3);
      numberAt(item, 4, 3);
      const bool held = listHas(known, fieldAt(item, 4, 3));
      game_.state.conditions.ConditionMet = (sign == '-') ? !held : held;
      break;
    }
    default: break;
  }
}

int Conditions::characteristicCurrent(int number) const {
  return game_.stores.baseValues.Find(number).Current;
}

}  // namespace zrx
