#include "newest_first.h"

#include <gtest/gtest.h>

#include <random>

#include "names_block.h"

namespace zrx {
namespace {

// The selection as the names listing defines it, step by step.
std::vector<std::string> plainSelection(std::vector<NameRecord>& records) {
  std::vector<std::string> names;
  for (std::size_t m = records.size(); m-- > 0;) {
    std::size_t newest = 0;
    for (std::size_t place = 1; place <= m; ++place)
      if (records[place].timestamp > records[newest].timestamp) newest = place;
    names.push_back(records[newest].text);
    std::swap(records[newest], records[m]);
  }
  return names;
}

TEST(NewestFirst, PicksAsThePlainSelectionDoesEqualTimesIncluded) {
  std::mt19937 random(15);
  for (const std::size_t count : {0u, 1u, 2u, 3u, 7u, 64u, 65u, 300u}) {
    for (const int distinctTimes : {1, 3, 1000}) {
      std::vector<NameRecord> records;
      for (std::size_t i = 0; i < count; ++i)
        records.push_back({"n" + std::to_string(i), static_cast<double>(random() % distinctTimes)});
      std::vector<NameRecord> expectedOrder = records;
      const std::vector<std::string> expected = plainSelection(expectedOrder);
      std::vector<std::string> names = {"kept"};
      ListNewestFirst(records, names);
      names.erase(names.begin());
      EXPECT_EQ(expected, names) << count << " names, " << distinctTimes << " times";
      EXPECT_EQ(expectedOrder, records) << count << " names, " << distinctTimes << " times";
    }
  }
}

}  // namespace
}  // namespace zrx
