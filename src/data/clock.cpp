#include "clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace zrx {
namespace {

constexpr double kFirstDay = -693593.0;  // 1 January 0001
constexpr double kPastLastDay = 2958466.0;  // 1 January 10000
constexpr long long kMsPerDay = 86400000;

// Days from 1 January 1970 of a proleptic Gregorian date (Howard Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

// 30 December 1899 counted from 1 January 1970.
const long long kEpochShift = daysFromCivil(1899, 12, 30);

}  // namespace

std::optional<DateTime> FromDayCount(double days) {
  if (!std::isfinite(days) || days < kFirstDay || days >= kPastLastDay) return std::nullopt;
  const double whole = std::trunc(days);
  long long ms = std::llround(std::fabs(days - whole) * kMsPerDay);
  if (ms >= kMsPerDay) ms = kMsPerDay - 1;
  DateTime t;
  civilFromDays(static_cast<long long>(whole) + kEpochShift, t.year, t.month, t.day);
  t.hour = static_cast<int>(ms / 3600000);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

double ToDayCount(const DateTime& t) {
  const long long date = daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
                         kEpochShift;
  const double fraction =
      static_cast<double>(((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond) / kMsPerDay;
  return date >= 0 ? static_cast<double>(date) + fraction : static_cast<double>(date) - fraction;
}

DateTime ToLocalDateTime(std::chrono::system_clock::time_point moment) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceEpoch = moment.time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
  return DateTime{.year = local.tm_year + 1900,
                  .month = local.tm_mon + 1,
                  .day = local.tm_mday,
                  .hour = local.tm_hour,
                  .minute = local.tm_min,
                  .second = local.tm_sec,
                  .millisecond = static_cast<int>(ms < 0 ? ms + 1000 : ms)};
}

DateTime SystemClock::now() const { return ToLocalDateTime(std::chrono::system_clock::now()); }

}  // namespace zrx
