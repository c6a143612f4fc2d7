#include "clock.h"

#include <gtest/gtest.h>

#include <limits>

namespace zrx {
namespace {

TEST(DayCount, CountsDaysFrom30December1899WithTheTimeAsFraction) {
  const struct {
    double days;
    DateTime time;
  } cases[] = {
      {0.0, {1899, 12, 30, 0, 0, 0, 0}},
      {1.5, {1899, 12, 31, 12, 0, 0, 0}},
      {2.0, {1900, 1, 1, 0, 0, 0, 0}},
      {45000.25, {2023, 3, 15, 6, 0, 0, 0}},
      {-1.25, {1899, 12, 29, 6, 0, 0, 0}},
      {-693593.0, {1, 1, 1, 0, 0, 0, 0}},
      {2958465.0, {9999, 12, 31, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const auto time = FromDayCount(c.days);
    ASSERT_TRUE(time.has_value()) << c.days;
    EXPECT_EQ(c.time, *time) << c.days;
    EXPECT_DOUBLE_EQ(c.days, ToDayCount(c.time)) << c.days;
  }
  EXPECT_EQ(7, FromDayCount(ToDayCount({2024, 2, 29, 23, 59, 59, 7}))->millisecond);
}

TEST(DayCount, OnlyFiniteMomentsOfYears1To9999AreValid) {
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), 2958466.0, -693594.0, 1e300})
    EXPECT_FALSE(FromDayCount(bad).has_value()) << bad;
}

TEST(DayCount, SystemClockGivesARecentMomentThatRoundTrips) {
  const DateTime now = SystemClock().now();
  EXPECT_GE(now.year, 2024);
  EXPECT_EQ(now, FromDayCount(ToDayCount(now)));
}

}  // namespace
}  // namespace zrx
