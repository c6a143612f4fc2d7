#include "doom_regions.h"

#include <map>
#include <set>

#include "book_coverage.h"

namespace zrx::playtest {

std::vector<DoomRegion> DoomRegions(const std::vector<TChapterRec>& chapters, const PlaytestStats& stats,
                                    int minRuns) {
  std::set<int> endings;
  for (const TChapterRec& chapter : chapters) {
    if (ContinuationTargets(chapter).empty()) endings.insert(chapter.Number);
  }
  // Each doom point starts as its own region; a step taken between two joins theirs.
  std::map<int, int> region;
  for (const auto& [chapter, fate] : stats.fates()) {
    if (fate.runs >= minRuns && fate.won == 0 && fate.died == fate.runs && !endings.contains(chapter)) {
      region[chapter] = chapter;
    }
  }
  const auto root = [&region](int chapter) {
    while (region[chapter] != chapter) chapter = region[chapter];
    return chapter;
  };
  for (const auto& [a, ra] : region) {
    for (const auto& [b, rb] : region) {
      if (stats.taken(a, b) || stats.taken(b, a)) region[root(a)] = root(b);
    }
  }
  std::map<int, DoomRegion> byRoot;
  for (const auto& [chapter, unused] : region) {
    DoomRegion& doom = byRoot[root(chapter)];
    doom.chapters.push_back(chapter);
    const ChapterFate& fate = stats.fates().at(chapter);
    if (fate.runs > doom.runs) {
      doom.runs = fate.runs;
      doom.first = fate.first;
    }
  }
  std::vector<DoomRegion> regions;
  for (auto& [rootChapter, doom] : byRoot) regions.push_back(std::move(doom));
  return regions;
}

}  // namespace zrx::playtest
