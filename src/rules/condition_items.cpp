// The condition items that read the game state without dice.
#include <algorithm>

#include "book_code.h"
#include "condition_grammar.h"
#include "conditions.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

namespace form = grammar::condition;
using grammar::Field;

constexpr const Field& kWonOutcome = form::kWon.field("outcome");
constexpr const Field& kFledOutcome = form::kFled.field("outcome");
constexpr const Field& kVisitedKind = form::kVisited.field("kind");
constexpr const Field& kVisitedSign = form::kVisited.field("sign");
constexpr const Field& kVisitedChapter = form::kVisited.field("chapter");
constexpr const Field& kInfoSign = form::kInfo.field("sign");
constexpr const Field& kInfoNumber = form::kInfo.field("info");
constexpr const Field& kAllItemsCount = form::kAllItems.field("count");
constexpr const Field& kAllItemsItem = form::kAllItems.field("item");
constexpr const Field& kAnyItemMinimum = form::kAnyItem.field("minimum");
constexpr const Field& kAnyItemItem = form::kAnyItem.field("item");
constexpr const Field& kItemCountItem = form::kItemCount.field("item");
constexpr const Field& kItemCountRelation = form::kItemCount.field("relation");
constexpr const Field& kItemCountAmount = form::kItemCount.field("amount");
constexpr const Field& kMagicSubtype = form::kMagicKnown.field("subtype");
constexpr const Field& kSpellCountRelation = form::kSpellCount.field("relation");
constexpr const Field& kSpellCountAmount = form::kSpellCount.field("amount");
constexpr const Field& kMagicKnownSign = form::kMagicKnown.field("sign");
constexpr const Field& kMagicKnownSkill = form::kMagicKnown.field("magicSkill");

// "MAX" stands for chapter 1000 in the chapter fields of "FF" and "FT".
constexpr int kMaxChapter = 1000;

int chapterField(std::string_view item) {
  return kVisitedChapter.textIn(item) == "MAX" ? kMaxChapter : kVisitedChapter.numberIn(item);
}

bool listHas(const TextList& list, std::string_view entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

}  // namespace

void Conditions::battleWonItem(std::string_view item) {
  const bool won = game_.state.battle.LastBattleWon;
  switch (kWonOutcome.charIn(item)) {
    case '0': game_.state.conditions.ConditionMet = won; break;
    case '1': game_.state.conditions.ConditionMet = !won; break;
    default: break;
  }
}

void Conditions::battleFledItem(std::string_view item) {
  const bool fled = game_.state.battle.LastBattleFled;
  switch (kFledOutcome.charIn(item)) {
    case '0': game_.state.conditions.ConditionMet = fled; break;
    case '1': game_.state.conditions.ConditionMet = !fled; break;
    default: break;
  }
}

void Conditions::visitedItem(std::string_view item) {
  const char kind = kVisitedKind.charIn(item);
  const char sign = kVisitedSign.charIn(item);
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
  const char sign = kInfoSign.charIn(item);
  const int number = kInfoNumber.numberIn(item);
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
    cs.AwaitedInfo = std::string(kInfoNumber.textIn(item));
    gs.navigation.PendingKind = ToInt(PendingKind::InfoUse);
    cs.TestPending = true;
    return;
  }
  cs.ConditionMet = !held && sign != '+';
  cs.InfoUseAwaited = false;
}

void Conditions::allItemsHeldItem(std::string_view item) {
  const char count = kAllItemsCount.charIn(item);
  if (count != '2' && count != '3') return;
  bool all = true;
  for (int i = 0; i < count - '0'; ++i) {
    all = game_.stores.items.Find(kAllItemsItem.numberIn(item, i)).Count >= 1 && all;
  }
  game_.state.conditions.ConditionMet = all;
}

void Conditions::anyItemHeldItem(std::string_view item) {
  const int minimum = kAnyItemMinimum.digitIn(item);
  bool any = false;
  for (std::size_t i = 0; kAnyItemItem.pos + i * kAnyItemItem.width <= item.size(); ++i) {
    any = game_.stores.items.Find(kAnyItemItem.numberIn(item, i)).Count >= minimum || any;
  }
  game_.state.conditions.ConditionMet = any;
}

void Conditions::itemCountItem(std::string_view item) {
  const int count = game_.stores.items.Find(kItemCountItem.numberIn(item)).Count;
  RelacioEllenorzes(count, kItemCountAmount.numberIn(item), kItemCountRelation.textIn(item), 1, 1);
}

void Conditions::magicSkillItem(std::string_view item) {
  const TextList& known = game_.state.knowledge.MagicSkillList;
  switch (kMagicSubtype.charIn(item)) {
    case '1': {
      const auto spells = std::count_if(known.begin(), known.end(), [this](const std::string& e) {
        return game_.stores.magicSkills.Find(numberOf(e)).IsMagic == 1;
      });
      RelacioEllenorzes(static_cast<int>(spells), kSpellCountAmount.numberIn(item), kSpellCountRelation.textIn(item),
                        1, 1);
      break;
    }
    case '2': {
      const char sign = kMagicKnownSign.charIn(item);
      kMagicKnownSkill.numberIn(item);
      const bool held = listHas(known, kMagicKnownSkill.textIn(item));
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
