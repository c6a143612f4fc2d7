// Using one piece of a usable item ("A" effect code).
#include <string_view>

#include "characteristics.h"
#include "effect_code.h"
#include "equipment.h"

namespace zrx {
namespace {

// Applies one group of a usable item to its characteristic. `amount` is the working
// amount, carried from the first group to the second.
class UsableGroupEffect {
 public:
  UsableGroupEffect(Game& game, const EffectGroup& group, int& amount)
      : game_(game), characteristics_(game), group_(group), amount_(amount),
        value_(game.stores.baseValues.Find(group.characteristic)) {}

  void apply() {
    switch (group_.kind) {
      case 'A': minimumKind(); break;
      case 'F': startKind(); break;
      case 'H': halfStartKind(); break;
      default: plainKind(); break;
    }
  }

 private:
  bool countsUp() const { return value_.CountsUp == 1; }
  bool countsDown() const { return value_.CountsUp == 0; }

  void setCurrent(int current) { characteristics_.AlapErtekModositas(group_.characteristic, 1, current); }
  void setCurrentAndCheck(int current) {
    setCurrent(current);
    // What a fatal limit means is left to the chapter point's own checks; an item
    // only ever helps, so its result is not used here.
    characteristics_.AlapErtekEllenorzes(group_.characteristic);
  }

  // "A": a value that counts up drops to its minimum.
  void minimumKind() {
    if (!countsUp()) return;
    if (group_.digit == '0') amount_ = value_.Minimum;
    setCurrent(amount_);
  }

  // "F": an ordinary value gets a fresh start value (start, start + 1 or start + 2).
  void startKind() {
    if (!countsDown()) return;
    if (group_.digit >= '0' && group_.digit <= '2') amount_ = value_.Start + (group_.digit - '0');
    characteristics_.AlapErtekModositas(group_.characteristic, 2, amount_);
    setCurrent(amount_);
  }

  // "H": an ordinary value gains half its start value.
  void halfStartKind() {
    if (group_.digit == '0') amount_ = halfToEven(value_.Start);
    if (!countsDown()) return;
    amount_ += value_.Current;
    setCurrentAndCheck(amount_);
  }

  // Any other kind: positions 5-6 are the amount, the operator says what to do with it.
  void plainKind() {
    amount_ = group_.amount;
    switch (group_.op) {
      case '+': if (countsDown()) setCurrentAndCheck(value_.Current + amount_); break;
      case '-': if (countsUp()) setCurrentAndCheck(value_.Current - amount_); break;
      case '=': assign(); break;
      case 'D': rollDice(); break;
      default: break;
    }
  }

  void assign() {
    if (countsUp()) {
      if (value_.Start > amount_) setCurrent(amount_);
    } else if (countsDown()) {
      setCurrentAndCheck(amount_);
    }
  }

  void rollDice() {
    if (!countsUp() && !countsDown()) return;
    int pips = 0;
    for (int i = 0; i < amount_; ++i) pips += game_.KockaDobas(1, true);
    setCurrentAndCheck(countsUp() ? value_.Current - pips : value_.Current + pips);
  }

  Game& game_;
  Characteristics characteristics_;
  const EffectGroup& group_;
  int& amount_;
  const TBaseValueRec value_;
};

}  // namespace

void Equipment::TargyFelhasznalas(std::string_view code, int item) {
  // Every field is read first: a malformed code stops the use before any change.
  const std::vector<EffectGroup> groups = usableItemGroups(code);
  int amount = 0;
  for (const EffectGroup& group : groups) UsableGroupEffect(game_, group, amount).apply();
  Characteristics characteristics(game_);
  characteristics.FoAlapErtekVisszaIras();
  characteristics.SpecAlapErtekVisszaIras();
  loseItem(item, 1);
}

}  // namespace zrx
