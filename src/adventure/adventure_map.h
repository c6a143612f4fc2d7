#pragma once
// The map of the adventure so far: the chapter points the player has seen and the steps
// between them, derived from the visited path alone (a loaded game has its map at once).
// Nothing of a chapter point that was never entered appears, beyond the number offered.
#include <cstddef>
#include <string>
#include <vector>

#include "game_state.h"

namespace zrx {

// How an adventure ends at a chapter point or along an offered continuation.
enum class EndMark { None, Death, Victory };

struct MapNode {
  int chapter = 0;
  std::string title;    // the first words of the chapter point's text
  std::string snippet;  // a longer start of it, shown on request
  int visits = 0;
  EndMark end = EndMark::None;
};

// One step the player took, between two nodes (indices into AdventureMap::nodes).
struct MapEdge {
  std::size_t from = 0, to = 0;
};

// A continuation offered now at the current node: a chapter number, "Vége", "Győzelem",
// or "?" for a number the player must type.
struct MapStub {
  std::string label;
  int chapter = 0;  // 0 for an end or a typed continuation
  EndMark end = EndMark::None;
};

struct AdventureMap {
  std::vector<MapNode> nodes;  // in the order first visited
  std::vector<MapEdge> edges;  // in the order taken, repetitions included
  std::vector<MapStub> stubs;
  int current = -1;            // index of the current node, -1 before the first chapter point
  std::size_t steps = 0;       // length of the visited path the map was built from

  int nodeOf(int chapter) const;  // index of the chapter's node, -1 when not visited
};

AdventureMap BuildAdventureMap(const GameState& state);

// Lengths in characters of a node's title and of the snippet shown for a glance.
inline constexpr std::size_t kTitleLength = 28;
inline constexpr std::size_t kSnippetLength = 240;

// The first words of a text, its lines joined by single spaces, at most `limit`
// characters (cut at a word where one fits), "…" when cut.
std::string TextStart(const TextList& lines, std::size_t limit);

}  // namespace zrx
