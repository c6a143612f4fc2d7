#pragma once
// Moments as the files store them: a day count from 30 December 1899 whose
// fraction is the time of day. The clock is injected so that tests fix it.
#include <functional>
#include <optional>

namespace zrx {

using Clock = std::function<double()>;

struct CivilTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const CivilTime&) const = default;
};

// The current local time.
double LocalNow();

// Calendar date and time of a day count; nullopt when it is not a finite
// moment within the years 1 to 9999. A negative count's fraction is still
// the time of day after midnight.
std::optional<CivilTime> ToCivilTime(double days);

double FromCivilTime(const CivilTime& time);

}  // namespace zrx
