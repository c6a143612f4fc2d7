#include "run_watch.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "battle_odds.h"
#include "offers.h"

namespace zrx::playtest {
namespace {

constexpr const char* kRewardCommands[] = {"tovább", "szerencse", "dob ", "történet", "kalandlap", "tárgyak",
                                           "próbák", "információk", "varázslatok"};

int numberOf(const std::string& text) {
  int number = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : -1;
}

void insertNumbers(const TextList& list, std::set<int>& out) {
  for (const std::string& entry : list) {
    if (const int number = numberOf(entry); number >= 0) out.insert(number);
  }
}

// Taking what a free offer holds out is part of the entry; buying or exchanging is not.
bool freeOffer(int pendingKind) {
  const auto kind = static_cast<PendingKind>(pendingKind);
  return kind == PendingKind::PickUp || kind == PendingKind::ChooseAtMost || kind == PendingKind::Quantities;
}

}  // namespace

void RunWatch::reset() {
  before_.clear();
  leaving_.clear();
  entries_.clear();
  entryChapter_ = -1;
  entryGains_.clear();
  entryPaid_ = false;
}

RunWatch::Holdings RunWatch::holdingsOf(const Game& game) {
  Holdings held;
  const MainValues& v = game.state.values;
  for (const auto& [number, value] : game.stores.baseValues) {
    int current = value.Current, start = value.Start;
    if (number == 1) current = v.Skill, start = v.SkillStart;
    if (number == 2) current = v.Stamina, start = v.StaminaStart;
    if (number == 3) current = v.Luck, start = v.LuckStart;
    // Suspicion that kills at its limit rises as a punishment; it is a reward when it falls.
    const int sign = value.CountsUp && value.LimitFatal ? -1 : 1;
    held[value.Name] = sign * current;
    held[value.Name + " kezdeti értéke"] = sign * start;
  }
  for (const std::string& entry : game.state.equipment.EquipmentList) {
    const TInventoryRec& item = game.stores.items.Find(numberOf(entry));
    if (item.Number != kAbsentRecord) held[item.Name] = item.Count;
  }
  return held;
}

void RunWatch::beforeAction(const Game& game, const RunResult& result) {
  pathBefore_ = result.path.size();
  const NavigationState& nav = game.state.navigation;
  offered_.clear();
  if (nav.TypedChoiceMode) {
    offered_.push_back(-1);
  } else {
    for (const std::string& entry : nav.NextChapterList) offered_.push_back(numberOf(entry));
  }
  rewardAction_ = !BattleAtHand(game);
  pendingKind_ = nav.PendingKind;
  if (rewardAction_) before_ = holdingsOf(game);
}

void RunWatch::afterAction(const Game& game, const std::string& command, RunResult& result) {
  if (command.starts_with("betöltés")) {  // a loaded game has its own past: nothing before it counts
    entries_.clear();
    for (auto& offered : leaving_) offered = {-1};
  }
  if (command.starts_with("tovább") && pathBefore_ > 0 && result.path.size() > pathBefore_) {
    leaving_.resize(result.path.size());
    leaving_[pathBefore_ - 1] = offered_;
  }
  for (std::size_t i = pathBefore_; i < result.path.size(); ++i) {
    flushEntry(result);
    entryChapter_ = result.path[i];
    ++entries_[entryChapter_];
  }
  insertNumbers(game.state.equipment.EquipmentList, result.heldItems);
  insertNumbers(game.state.knowledge.InfoList, result.heldInfos);
  insertNumbers(game.state.knowledge.HiddenInfoList, result.heldInfos);
  insertNumbers(game.state.knowledge.MagicSkillList, result.heldMagic);

  bool reward = rewardAction_ && std::any_of(std::begin(kRewardCommands), std::end(kRewardCommands),
                                             [&](const char* c) { return command.starts_with(c); });
  reward = reward || (rewardAction_ && freeOffer(pendingKind_) &&
                      (command.starts_with("felvesz") || command.starts_with("kiválaszt")));
  if (!reward || !game.state.GameLoaded) return;
  const Holdings after = holdingsOf(game);
  const std::string& money = game.stores.items.Find(game.state.CurrentBook.MoneyItem).Name;
  const auto amountIn = [&money](const Holdings& held) {
    const auto found = held.find(money);
    return found == held.end() ? 0 : found->second;
  };
  if (amountIn(before_) > amountIn(after)) entryPaid_ = true;
  for (const auto& [name, amount] : after) {
    const auto was = before_.find(name);
    const int gain = amount - (was == before_.end() ? 0 : was->second);
    if (gain > 0) entryGains_[name] += gain;
  }
}

void RunWatch::flushEntry(RunResult& result) {
  // What an entry gives for money is bought, not given.
  if (entryChapter_ >= 0 && entries_[entryChapter_] > 1 && !entryGains_.empty() && !entryPaid_) {
    std::string gains;
    for (const auto& [name, gain] : entryGains_) gains += (gains.empty() ? "" : ", ") + name + " +" + std::to_string(gain);
    result.repeatedRewards.push_back({entryChapter_, gains});
  }
  entryGains_.clear();
  entryPaid_ = false;
}

void RunWatch::finish(RunResult& result) {
  flushEntry(result);
  if (result.end != RunEnd::Death || result.path.size() < 2) return;
  const std::size_t last = result.path.size() - 1;
  std::size_t first = last;
  for (std::size_t i = last; i-- > 0;) {
    if (result.path[i] == result.path[last]) {
      first = i;
      break;
    }
  }
  if (first == last) return;
  const std::set<int> loop(result.path.begin() + static_cast<std::ptrdiff_t>(first), result.path.end());
  leaving_.resize(result.path.size());
  for (std::size_t i = first; i < last; ++i) {
    const std::vector<int>& offered = leaving_[i];
    if (offered.empty() || std::any_of(offered.begin(), offered.end(), [&](int c) { return !loop.contains(c); })) return;
  }
  result.trappedLoop.assign(loop.begin(), loop.end());
}

}  // namespace zrx::playtest
