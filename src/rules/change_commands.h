#pragma once
// The command interpreters of the four special-change queues. Each reads the change at
// the front of its queue through its form in the code grammar (change_grammar.h,
// item_change_grammar.h), records its length and flags in the ChangeRun, and leaves
// closing and sequencing to SpecialChanges.
#include <string>
#include <string_view>
#include <vector>

#include "special_changes.h"

namespace zrx {

class Game;
using TextList = std::vector<std::string>;

// Queue 1: characteristics. Plain form ss "N" c o v; otherwise the letter at position 4.
class CharacteristicCommands {
 public:
  CharacteristicCommands(Game& game, SpecialChanges& changes) : game_(game), changes_(changes) {}
  void Run(std::string_view change, ChangeRun& run);

 private:
  void plain(std::string_view change, ChangeRun& run);         // N
  void toStart(std::string_view change, ChangeRun& run);       // V
  void changeStart(std::string_view change, ChangeRun& run);   // K
  void copy(std::string_view change, ChangeRun& run);          // C
  void exchange(std::string_view change, ChangeRun& run);      // F
  void byRoll(std::string_view change, ChangeRun& run);        // D
  void byRollRelation(std::string_view change, ChangeRun& run);  // O
  void byLuck(std::string_view change, ChangeRun& run);        // S
  void afterChapter(std::string_view change, ChangeRun& run);  // P
  void byInformation(std::string_view change, ChangeRun& run); // I
  void byItem(std::string_view change, ChangeRun& run);        // T
  void bound(std::string_view change, ChangeRun& run);         // B
  void woundsBack(std::string_view change, ChangeRun& run);    // L
  // Current(c) o= v on the record.
  void apply(int characteristic, char op, int amount);
  int current(int characteristic) const;

  Game& game_;
  SpecialChanges& changes_;
};

// Queue 2: items. Direct changes and the offers that wait for the player's decision.
class ItemChanges {
 public:
  ItemChanges(Game& game, SpecialChanges& changes) : game_(game), changes_(changes) {}
  void Run(std::string_view change, ChangeRun& run);

 private:
  void plain(std::string_view change, ChangeRun& run);         // N
  void afterChapter(std::string_view change, ChangeRun& run);  // P
  void equip(std::string_view change, ChangeRun& run);         // EC
  void replace(std::string_view change, ChangeRun& run);       // X
  void loseDroppable(ChangeRun& run);                          // M
  void countTest(std::string_view change, ChangeRun& run);     // H
  void setCount(int item, char op, int amount);

  // Offers (item_offers.cpp): set-up, or the closing step once decided.
  void offer(char letter, std::string_view change, ChangeRun& run);
  void closeOffer(char letter, std::string_view change, ChangeRun& run);
  void setUpPieces(char letter, std::string_view change, ChangeRun& run);  // O, V
  void setUpShop(std::string_view change, ChangeRun& run);                 // B
  void setUpQuantities(std::string_view change, ChangeRun& run);           // F
  void setUpDemand(std::string_view change, ChangeRun& run);               // K
  void setUpGiveUp(std::string_view change, ChangeRun& run);               // L
  void setUpExchange(std::string_view change, ChangeRun& run);             // T, first phase
  // The exchange's closing: true when it opened the second phase and waits again.
  bool closeExchange(std::string_view change, ChangeRun& run);
  void fillQuantityRows(const TextList& items);
  void waitForDecision(PendingKind kind, ChangeRun& run);

  Game& game_;
  SpecialChanges& changes_;
};

// Queue 3: information. The letter at position 3.
class InformationCommands {
 public:
  explicit InformationCommands(Game& game) : game_(game) {}
  void Run(std::string_view change, ChangeRun& run);

 private:
  void plain(std::string_view change, ChangeRun& run);         // N
  void afterChapter(std::string_view change, ChangeRun& run);  // P
  void endOrSkip(std::string_view change, ChangeRun& run);     // E
  void changeTime(std::string_view change, ChangeRun& run);    // I
  void byItem(std::string_view change, ChangeRun& run);        // T
  void addOrRemove(char sign, int info);
  bool timedKind(int info) const;

  Game& game_;
};

// Queue 4: magic and skills. "N" adds ("+") or removes ("-") a spell or skill, "S"
// changes its Level and "K" its Uses ("+", "-", "=").
class MagicSkillCommands {
 public:
  explicit MagicSkillCommands(Game& game) : game_(game) {}
  void Run(std::string_view change, ChangeRun& run);

 private:
  void addOrRemove(std::string_view change, ChangeRun& run);
  void changeField(std::string_view change, ChangeRun& run);

  Game& game_;
};

}  // namespace zrx
