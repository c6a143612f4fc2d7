#pragma once
// Records that the runs held but that no code of the book ever reads: information never
// tested, spells and skills never asked for, items without a use of their own that no
// condition or change looks at. Holding them can change nothing.
#include <string>
#include <vector>

#include "package_writer.h"
#include "playtest_stats.h"

namespace zrx::playtest {

struct UnusedRecord {
  std::string kind;  // "information", "spell", "skill", "item"
  int number = 0;
  std::string name;
};

std::vector<UnusedRecord> UnusedRecords(const PackageContent& content, int book, const PlaytestStats& stats);

}  // namespace zrx::playtest
