#pragma once
// The condition language of a chapter point's continuations: which continuation codes
// reach the continuation list, including the tests and information uses that an item
// waits for before it is decided.
#include <string>
#include <string_view>

#include "pending_kind.h"

namespace zrx {

class Game;

// An item compares at most this many times (PartialResults 1..3).
inline constexpr int kMaxComparisons = 3;


class Conditions {
 public:
  explicit Conditions(Game& game) : game_(game) {}

  // Evaluates the groups ("#"-separated, one per 3-character code of `targets`), adds the
  // open continuations and shows them; or saves the rest and waits for a requested test.
  // Also the resume entry after a test or an information use:
  // FeltetelFelbontas(PendingConditions, PendingTargets).
  void FeltetelFelbontas(std::string conditions, std::string targets);
  // Evaluates one group item by item (","-separated; all must hold).
  void FeltetelDarabolas(std::string_view group);
  // Evaluates one item: the verdict in ConditionMet, a test request in TestPending.
  void FeltetelEllenorzes(std::string_view item);
  // Stores comparison `index` (1..3) of an item with `count` comparisons; at the last one
  // combines them into ConditionMet. An unknown operator records nothing.
  void RelacioEllenorzes(int a, int b, std::string_view op, int count, int index);
  // mode 0: ConditionMet when all of PartialResults 1..count hold; mode 1: when one does.
  void KizaroFeltetelEllenorzes(int mode, int count);

 private:
  using ItemHandler = void (Conditions::*)(std::string_view item);
  struct ItemTable;
  static const ItemTable& itemTable();

  // One handler per code letter (condition_items.cpp, condition_dice_items.cpp).
  void unknownItem(std::string_view item);
  void battleWonItem(std::string_view item);     // C
  void battleFledItem(std::string_view item);    // M
  void luckItem(std::string_view item);          // S
  void rollItem(std::string_view item);          // D
  void visitedItem(std::string_view item);       // F
  void infoItem(std::string_view item);          // I
  void allItemsHeldItem(std::string_view item);  // K
  void anyItemHeldItem(std::string_view item);   // Y
  void itemCountItem(std::string_view item);     // T
  void magicSkillItem(std::string_view item);    // P
  void characteristicItem(std::string_view item);  // V
  void diceGameItem(std::string_view item);      // E
  void parityItem(std::string_view item);        // ED
  void contestItem(std::string_view item);       // EL, EW, ES

  // Asks for a roll with `dice` dice unless this chapter point's roll has been made;
  // true when the item has to wait for it.
  bool awaitRoll(int dice);
  void requestRoll(int dice);
  // Decides a race that a side has won; equal scores roll on, one die each, until they differ.
  void finishContest(char kind);
  int characteristicCurrent(int number) const;
  void addContinuation(const std::string& targets, bool whole);
  void startPendingTest();
  void completeContinuations();

  Game& game_;
};

}  // namespace zrx
