#include "graph.h"

#include <set>
#include <sstream>
#include <vector>

#include "linter.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string nodeName(int chapter) {
  if (chapter == kEndContinuation) return "vege";
  if (chapter == kVictoryContinuation) return "gyozelem";
  return quoted(std::to_string(chapter));
}

std::string nodeLabel(const SourceChapter& c) {
  std::string label = c.rec.Number == -1 ? "Szabályok" : c.rec.Number == 0 ? "Háttértörténet" : std::to_string(c.rec.Number);
  if (!c.rec.BattleCode.empty()) label += "\\n(csata)";
  return label;
}

// The label of continuation i: its condition group, or the role of a typed answer.
std::string edgeLabel(const std::string& conditions, std::size_t i) {
  if (conditions.empty()) return {};
  if (conditions[0] == 'X') return i == 0 ? "helyes szám" : "rossz szám";
  std::stringstream in(conditions);
  std::string group;
  for (std::size_t k = 0; std::getline(in, group, '#'); ++k) {
    if (k == i) return group == "0" ? std::string() : group;
  }
  return {};
}

}  // namespace

void WriteChapterGraph(const SourceBook& book, std::ostream& out) {
  out << "digraph " << quoted(book.book.Title) << " {\n  node [shape=box];\n";
  out << "  vege [label=\"Vége\", shape=doubleoctagon, color=red];\n";
  out << "  gyozelem [label=\"Győzelem\", shape=doubleoctagon, color=darkgreen];\n";
  for (const auto& c : book.chapters) out << "  " << nodeName(c.rec.Number) << " [label=\"" << nodeLabel(c) << "\"];\n";
  std::set<int> dangling;
  for (const auto& c : book.chapters) {
    const auto targets = DecodeContinuations(c.rec.NextChapters);
    for (std::size_t i = 0; i < targets.size(); ++i) {
      if (!targets[i]) continue;
      // A continuation to a chapter point the book lacks leads nowhere in play: drawn in red.
      const bool missing = *targets[i] >= 0 && !book.findChapter(*targets[i]);
      if (missing) dangling.insert(*targets[i]);
      out << "  " << nodeName(c.rec.Number) << " -> " << nodeName(*targets[i]);
      std::vector<std::string> attributes;
      const std::string label = edgeLabel(c.rec.Conditions, i);
      if (!label.empty()) attributes.push_back("label=" + quoted(label));
      if (missing) attributes.insert(attributes.end(), {"color=red", "fontcolor=red", "style=dashed"});
      for (std::size_t a = 0; a < attributes.size(); ++a) out << (a == 0 ? " [" : ", ") << attributes[a];
      out << (attributes.empty() ? "" : "]") << ";\n";
    }
  }
  for (int number : dangling) {
    out << "  " << nodeName(number) << " [label=\"" << number
        << "\\n(nincs ilyen FejezetPont)\", color=red, fontcolor=red, style=dashed];\n";
  }
  out << "}\n";
}

}  // namespace zrx::book
