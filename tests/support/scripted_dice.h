#pragma once
// Dice for tests: the pips come from a script; running dry fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "dice.h"

namespace zrx::test {

class ScriptedDice : public Dice {
 public:
  ScriptedDice() = default;
  ScriptedDice(std::initializer_list<int> pips) { push(pips); }

  void push(std::initializer_list<int> pips) {
    for (int p : pips) {
      if (p < 1 || p > 6) throw std::invalid_argument("a die shows 1..6");
      pips_.push_back(p);
    }
  }

  int roll() override {
    ++rolls_;
    if (pips_.empty()) {
      ADD_FAILURE() << "scripted dice ran dry at roll " << rolls_;
      throw std::logic_error("scripted dice ran dry");
    }
    const int p = pips_.front();
    pips_.pop_front();
    return p;
  }

  std::size_t remaining() const { return pips_.size(); }
  int rolls() const { return rolls_; }

 private:
  std::deque<int> pips_;
  int rolls_ = 0;
};

}  // namespace zrx::test
