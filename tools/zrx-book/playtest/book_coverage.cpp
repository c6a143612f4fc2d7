#include "book_coverage.h"

#include <algorithm>

#include "book_code.h"
#include "chapter_codes.h"

namespace zrx::playtest {
namespace {

long long visitsOf(const PlaytestStats& stats, int chapter) {
  const auto found = stats.visits().find(chapter);
  return found == stats.visits().end() ? 0 : found->second;
}

}  // namespace

std::vector<int> ContinuationTargets(const TChapterRec& chapter) {
  std::vector<int> targets;
  for (std::size_t i = 0; i + 3 <= chapter.NextChapters.size(); i += 3) {
    const std::string_view code = std::string_view(chapter.NextChapters).substr(i, 3);
    if (code == kEndFailureCode || code == kEndVictoryCode) continue;
    try {
      targets.push_back(ChapterCodeNumber(code));
    } catch (const BookCodeError&) {
      // The run-time report names unreadable codes where a player meets them.
    }
  }
  return targets;
}

std::vector<UnreachedChapter> UnreachedChapters(const std::vector<TChapterRec>& chapters, const PlaytestStats& stats) {
  std::vector<UnreachedChapter> unreached;
  for (const TChapterRec& chapter : chapters) {
    if (chapter.Number < 1 || visitsOf(stats, chapter.Number) > 0) continue;
    UnreachedChapter entry{.chapter = chapter.Number};
    long long best = 0;
    for (const TChapterRec& source : chapters) {
      const std::vector<int> targets = ContinuationTargets(source);
      const long long visits = visitsOf(stats, source.Number);
      if (visits > best && std::find(targets.begin(), targets.end(), chapter.Number) != targets.end()) {
        best = visits;
        entry.from = source.Number;
        entry.conditions = source.Conditions;
      }
    }
    unreached.push_back(entry);
  }
  return unreached;
}

std::vector<UntakenContinuation> UntakenContinuations(const std::vector<TChapterRec>& chapters,
                                                      const PlaytestStats& stats) {
  std::vector<UntakenContinuation> untaken;
  for (const TChapterRec& chapter : chapters) {
    if (visitsOf(stats, chapter.Number) == 0) continue;
    for (const int target : ContinuationTargets(chapter)) {
      if (!stats.taken(chapter.Number, target)) untaken.push_back({chapter.Number, target});
    }
  }
  return untaken;
}

}  // namespace zrx::playtest
