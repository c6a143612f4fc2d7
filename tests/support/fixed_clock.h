#pragma once
// A clock for tests: always the moment it was set to.
#include "clock.h"

namespace zrx::test {

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime moment = {2024, 3, 5, 7, 8, 9, 0}) : moment_(moment) {}
  DateTime now() const override { return moment_; }
  void set(DateTime moment) { moment_ = moment; }

 private:
  DateTime moment_;
};

}  // namespace zrx::test
