// The JSON report: the same figures as the text report, for tools.
#include <cstdio>

#include "book_coverage.h"
#include "playtest_report.h"

namespace zrx::playtest {
namespace {

std::string jsonString(const std::string& text) {
  std::string result = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': result += "\\\""; break;
      case '\\': result += "\\\\"; break;
      case '\n': result += "\\n"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          result += escaped;
        } else {
          result += c;
        }
    }
  }
  return result + "\"";
}

// Writes items separated by commas: `each` writes one.
template <typename Range, typename Each>
void list(std::ostream& out, const Range& range, Each each) {
  bool first = true;
  for (const auto& item : range) {
    out << (first ? "" : ",");
    first = false;
    each(item);
  }
}

void writeDifficulties(const PlaytestStats& stats, std::ostream& out) {
  out << "\"difficulties\":[";
  bool first = true;
  for (int d = 0; d < 3; ++d) {
    const DifficultyTally& t = stats.difficulties()[static_cast<std::size_t>(d)];
    if (t.runs == 0) continue;
    out << (first ? "" : ",") << "{\"difficulty\":" << d << ",\"name\":" << jsonString(DifficultyName(d))
        << ",\"runs\":" << t.runs << ",\"ends\":{";
    first = false;
    list(out, t.ends, [&out](const auto& e) { out << jsonString(RunEndName(e.first)) << ':' << e.second; });
    out << "},\"meanPath\":" << static_cast<double>(t.pathTotal) / t.runs << ",\"longestPath\":" << t.longest
        << ",\"longestSeed\":" << t.longestSeed << ",\"bySkill\":{";
    list(out, t.bySkill, [&out](const auto& s) {
      out << '"' << s.first << "\":{\"runs\":" << s.second.runs << ",\"won\":" << s.second.won << '}';
    });
    out << "}}";
  }
  out << ']';
}

void writeCoverage(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << ",\"visits\":{";
  list(out, stats.visits(), [&out](const auto& v) { out << '"' << v.first << "\":" << v.second; });
  out << "},\"unreached\":[";
  list(out, UnreachedChapters(context.chapters, stats), [&out](const UnreachedChapter& u) {
    out << "{\"chapter\":" << u.chapter << ",\"from\":" << u.from << ",\"conditions\":" << jsonString(u.conditions)
        << '}';
  });
  out << "],\"untakenContinuations\":[";
  list(out, UntakenContinuations(context.chapters, stats),
       [&out](const UntakenContinuation& u) { out << '[' << u.from << ',' << u.to << ']'; });
  out << "],\"deathsAt\":{";
  list(out, stats.deathsAt(), [&out](const auto& d) { out << '"' << d.first << "\":" << d.second; });
  out << "},\"deathCauses\":{";
  list(out, stats.deathCauses(), [&out](const auto& d) { out << jsonString(d.first) << ':' << d.second; });
  out << '}';
}

void writeBattles(const PlaytestStats& stats, std::ostream& out) {
  out << ",\"battles\":[";
  list(out, stats.battles(), [&out](const auto& entry) {
    const BattleTally& b = entry.second;
    out << "{\"chapter\":" << entry.first.first << ",\"opponent\":" << entry.first.second
        << ",\"name\":" << jsonString(b.name) << ",\"fought\":" << b.encounters << ",\"won\":" << b.won
        << ",\"fled\":" << b.fled << ",\"lost\":" << b.lost
        << ",\"meanRounds\":" << static_cast<double>(b.rounds) / b.encounters;
    if (b.predicted > 0) out << ",\"predictedWinRate\":" << b.predictedSum / b.predicted << ",\"exact\":" << (b.exact ? "true" : "false");
    out << ",\"measuredWinRate\":" << static_cast<double>(b.won) / b.encounters << '}';
  });
  out << ']';
}

void writeFindings(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << ",\"problems\":[";
  list(out, stats.findings(), [&](const Finding& f) {
    out << "{\"kind\":" << jsonString(RunEndName(f.kind)) << ",\"chapter\":" << f.chapter
        << ",\"problem\":" << jsonString(f.problem) << ",\"runs\":" << f.count << ",\"seed\":" << f.seed
        << ",\"difficulty\":" << f.difficulty << ",\"path\":[";
    list(out, f.path, [&out](int chapter) { out << chapter; });
    out << "],\"replay\":" << jsonString(ReplayCommand(context, f)) << '}';
  });
  out << ']';
}

}  // namespace

void WriteJsonReport(const PlaytestStats& stats, const ReportContext& context, std::ostream& out) {
  out << "{\"package\":" << jsonString(context.packageFile) << ",\"book\":" << context.book
      << ",\"title\":" << jsonString(context.title) << ",\"runs\":" << context.runs << ",\"seed\":" << context.seed
      << ',';
  writeDifficulties(stats, out);
  writeCoverage(stats, context, out);
  writeBattles(stats, out);
  writeFindings(stats, context, out);
  out << "}\n";
}

}  // namespace zrx::playtest
