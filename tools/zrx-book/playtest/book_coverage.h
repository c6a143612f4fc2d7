#pragma once
// What the runs left out of a book: chapter points never entered, with the nearest
// entered chapter point that leads to them and its conditions, and continuations never
// taken from an entered chapter point.
#include <string>
#include <vector>

#include "playtest_stats.h"
#include "records.h"

namespace zrx::playtest {

struct UnreachedChapter {
  int chapter = 0;
  int from = -1;           // the most visited entered chapter point that leads here; -1 for none
  std::string conditions;  // the conditions of `from` that never let the player through
};

struct UntakenContinuation {
  int from = 0, to = 0;
};

// The chapter numbers that a chapter point's continuation codes lead to ("GGG", "HHH"
// and unreadable codes left out).
std::vector<int> ContinuationTargets(const TChapterRec& chapter);

std::vector<UnreachedChapter> UnreachedChapters(const std::vector<TChapterRec>& chapters, const PlaytestStats& stats);
std::vector<UntakenContinuation> UntakenContinuations(const std::vector<TChapterRec>& chapters,
                                                      const PlaytestStats& stats);

}  // namespace zrx::playtest
