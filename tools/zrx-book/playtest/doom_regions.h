#pragma once
// Doom regions: chapter points that runs entered often enough to tell, from which not one
// of them went on to win and every one of them died, grouped where runs stepped from one
// to another. An ending written as one (no way on but the end) is the author's, not a region.
#include <vector>

#include "playtest_stats.h"
#include "records.h"

namespace zrx::playtest {

struct DoomRegion {
  std::vector<int> chapters;  // ascending
  int runs = 0;               // runs that entered its most entered chapter point
  Finding first;              // the first run that entered that chapter point
};

inline constexpr int kDoomMinRuns = 10;

std::vector<DoomRegion> DoomRegions(const std::vector<TChapterRec>& chapters, const PlaytestStats& stats,
                                    int minRuns = kDoomMinRuns);

}  // namespace zrx::playtest
