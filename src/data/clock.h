#pragma once
// The current moment, injected so that tests can fix it (timestamps, dates in file
// names), and its conversion to the day count that the files store: days from
// 30 December 1899 whose fraction is the time of day.
#include <chrono>
#include <optional>

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

// The calendar moment of a day count; nullopt when it is not a finite moment within
// the years 1 to 9999. A negative count's fraction is still the time after midnight.
std::optional<DateTime> FromDayCount(double days);

double ToDayCount(const DateTime& time);

}  // namespace zrx
