#include "adventure_map.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace zrx {
namespace {

constexpr const char* kDeathEntry = "Vége";
constexpr const char* kVictoryEntry = "Győzelem";

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Cuts at a word boundary within `limit` characters, or inside the first word when it
// is longer than that.
std::string cutWords(const std::string& text, std::size_t limit) {
  std::size_t chars = 0, end = 0, lastSpace = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isUtf8Continuation(text[i])) continue;
    if (chars == limit) {
      end = i;
      break;
    }
    if (text[i] == ' ') lastSpace = i;
    ++chars;
  }
  if (end == 0) return text;
  const std::size_t cut = lastSpace > 0 ? lastSpace : end;
  return text.substr(0, cut) + "…";
}

// The words of the lines joined by single spaces.
std::string joinedWords(const TextList& lines) {
  std::string text;
  for (const std::string& line : lines) {
    for (char c : line) {
      const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
      if (blank) {
        if (!text.empty() && text.back() != ' ') text += ' ';
      } else {
        text += c;
      }
    }
    if (!text.empty() && text.back() != ' ') text += ' ';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::optional<int> chapterNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const TextList& textOf(const GameState& state, int chapter) {
  static const TextList none;
  const auto index = static_cast<std::size_t>(chapter);
  return chapter >= 0 && index < state.ChapterTexts.size() ? state.ChapterTexts[index] : none;
}

std::vector<MapStub> offeredStubs(const NavigationState& nav) {
  std::vector<MapStub> stubs;
  if (nav.TypedChoiceMode) {
    stubs.push_back({.label = "?"});
    return stubs;
  }
  for (const std::string& entry : nav.NextChapterList) {
    if (entry == kDeathEntry) {
      stubs.push_back({.label = entry, .end = EndMark::Death});
    } else if (entry == kVictoryEntry) {
      stubs.push_back({.label = entry, .end = EndMark::Victory});
    } else if (const auto number = chapterNumber(entry)) {
      stubs.push_back({.label = entry, .chapter = *number});
    }
  }
  return stubs;
}

// A chapter point that offers nothing but an end is that end.
EndMark currentEnd(const std::vector<MapStub>& stubs) {
  if (stubs.empty()) return EndMark::None;
  const EndMark first = stubs.front().end;
  const bool allSame = std::all_of(stubs.begin(), stubs.end(), [&](const MapStub& s) { return s.end == first; });
  return allSame ? first : EndMark::None;
}

}  // namespace

int AdventureMap::nodeOf(int chapter) const {
  const auto at = std::find_if(nodes.begin(), nodes.end(), [&](const MapNode& n) { return n.chapter == chapter; });
  return at == nodes.end() ? -1 : static_cast<int>(at - nodes.begin());
}

AdventureMap BuildAdventureMap(const GameState& state) {
  AdventureMap map;
  const TextList& path = state.navigation.VisitedPath;
  map.steps = path.size();
  std::map<int, std::size_t> indexOf;
  std::optional<std::size_t> previous;
  for (const std::string& entry : path) {
    const auto number = chapterNumber(entry);
    if (!number) continue;
    auto [at, added] = indexOf.try_emplace(*number, map.nodes.size());
    if (added) {
      const TextList& text = textOf(state, *number);
      map.nodes.push_back({.chapter = *number, .title = TextStart(text, kTitleLength),
                           .snippet = TextStart(text, kSnippetLength)});
    }
    ++map.nodes[at->second].visits;
    if (previous) map.edges.push_back({*previous, at->second});
    previous = at->second;
  }
  // The path ends at the chapter point shown, unless the rules or the background are shown.
  if (!previous || state.CurrentChapter < 1) return map;
  map.current = static_cast<int>(*previous);
  map.stubs = offeredStubs(state.navigation);
  map.nodes[*previous].end = currentEnd(map.stubs);
  return map;
}

std::string TextStart(const TextList& lines, std::size_t limit) { return cutWords(joinedWords(lines), limit); }

}  // namespace zrx
