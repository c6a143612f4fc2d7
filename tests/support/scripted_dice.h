#pragma once
// Dice for tests: the pips come from a script; running dry fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

  int roll(std::string_view purpose) override {
    ++rolls_;
    purposes_.emplace_back(purpose);
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
  // What each roll so far decided, in order ("" for the program's own random picks).
  const std::vector<std::string>& purposes() const { return purposes_; }

 private:
  std::deque<int> pips_;
  int rolls_ = 0;
  std::vector<std::string> purposes_;
};

}  // namespace zrx::test
