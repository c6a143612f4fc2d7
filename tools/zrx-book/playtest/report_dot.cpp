// The chapter graph for Graphviz: chapter points shaded by how often they were entered,
// continuations never taken dashed, chapter points where runs died or stalled marked.
#include <cmath>
#include <cstdio>
#include <set>

#include "book_coverage.h"
#include "playtest_report.h"

namespace zrx::playtest {
namespace {

// From white (never) to deep orange (the most visited), on a logarithmic scale.
std::string shade(long long visits, long long most) {
  if (visits == 0 || most == 0) return "#ffffff";
  const double share = std::log1p(static_cast<double>(visits)) / std::log1p(static_cast<double>(most));
  char colour[8];
  std::snprintf(colour, sizeof colour, "#ff%02x%02x", static_cast<int>(235 - 150 * share),
                static_cast<int>(205 - 200 * share));
  return colour;
}

}  // namespace

void WriteDotGraph(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  long long most = 0;
  for (const auto& [chapter, visits] : stats.visits()) most = std::max(most, visits);
  std::set<int> stalls;
  for (const Finding& f : stats.findings()) stalls.insert(f.chapter);
  out << "digraph \"" << context.title << "\" {\n  node [style=filled, fontname=\"DejaVu Sans\"];\n";
  for (const TChapterRec& chapter : context.chapters) {
    if (chapter.Number < 0) continue;
    const auto found = stats.visits().find(chapter.Number);
    const long long visits = found == stats.visits().end() ? 0 : found->second;
    const bool died = stats.deathsAt().contains(chapter.Number);
    out << "  c" << chapter.Number << " [label=\"" << chapter.Number << "\\n" << visits << "\", fillcolor=\""
        << shade(visits, most) << '"';
    if (stalls.contains(chapter.Number)) out << ", shape=doubleoctagon, color=red, penwidth=3";
    else if (died) out << ", shape=octagon";
    out << "];\n";
    for (const int target : ContinuationTargets(chapter)) {
      out << "  c" << chapter.Number << " -> c" << target << (stats.taken(chapter.Number, target) ? "" : " [style=dashed]")
          << ";\n";
    }
  }
  out << "}\n";
}

}  // namespace zrx::playtest
