#pragma once
// The current moment, injected so that tests can fix it (dates in file names, timestamps).
#include <chrono>

namespace zrx {

// A local calendar moment, broken down the way the program's texts use it.
struct DateTime {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const DateTime&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

// The machine's local time.
class SystemClock : public Clock {
 public:
  DateTime now() const override;
};

// Breaks a system-clock moment into local calendar fields.
DateTime ToLocalDateTime(std::chrono::system_clock::time_point moment);

}  // namespace zrx
