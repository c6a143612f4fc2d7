#pragma once
// Information the player holds: InfoList (shown in the information list box) and
// HiddenInfoList (information whose InfoFlag is 1, never shown). Also the use of a
// piece of information that a chapter point's condition is waiting for.
#include "game.h"
#include "shown_list.h"

namespace zrx {

class Information {
 public:
  explicit Information(Game& game) : game_(game) {}

  // Held: in HiddenInfoList for an information whose InfoFlag is 1, else in InfoList.
  bool possesses(int info) const;
  // Adds the information to its list unless it is there already.
  void add(int info);
  // Removes the information from its list if it is there.
  void remove(int info);

  // Applies "+", "-" or "=" to the information's Time in the store and tells whether a
  // lowering has spent it. Time run down past 0 counts as spent: kept at -2 it could
  // never expire again, however long the story went on.
  bool InfoIdoModositas(int info, char op, int amount);

  // A chapter point or a battle has passed: lowers by one the Time of every held
  // information that counts them (Kind 1001-1999 or 2001-2999) and drops those that
  // are spent. Every entry of both lists is visited exactly once.
  void countDownChapterTimes() { countDownTimes(1001, 1999); }
  void countDownBattleTimes() { countDownTimes(2001, 2999); }

  // Selection on the information list: the description of the selected information.
  void ListBox_INClick();
  // Double click: uses the selected information when a condition awaits exactly it,
  // and lets the condition evaluation go on.
  void ListBox_INDblClick();

 private:
  void countDownTimes(int firstKind, int lastKind);
  ShownList listFor(int info) const;
  ShownList shown() const { return {game_.state.knowledge.InfoList, &game_.screen.ListBox_IN}; }

  Game& game_;
};

}  // namespace zrx
