#include "clock.h"

#include <ctime>

namespace zrx {

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
