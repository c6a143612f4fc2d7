#pragma once
// The play-test report of one book: text for the author, JSON for tools, and the chapter
// graph coloured by visits for Graphviz.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "doom_regions.h"
#include "playtest_stats.h"
#include "records.h"
#include "unused_records.h"

namespace zrx::playtest {

struct ReportContext {
  std::string packageFile;
  int book = 1;
  std::string title;
  std::vector<TChapterRec> chapters;
  int runs = 0;
  std::uint32_t seed = 0;
  std::vector<DoomRegion> doomRegions;
  std::vector<UnusedRecord> unused;
};

// The one-line shell command that replays a run in zrx-text: builds the package into a
// folder and feeds the run's commands to the player with the run's dice seed.
std::string ReplayCommand(const ReportContext& context, const Finding& finding);

// "Könnyű", "Normál", "Véletlen".
std::string DifficultyName(int difficulty);

void WriteTextReport(const PlaytestStats& stats, const ReportContext& context, std::ostream& out);
void WriteJsonReport(const PlaytestStats& stats, const ReportContext& context, std::ostream& out);
void WriteDotGraph(const PlaytestStats& stats, const ReportContext& context, std::ostream& out);

}  // namespace zrx::playtest
