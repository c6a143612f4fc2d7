// The map and the statistics of the game at hand, as the "Speciális" page shows them.
#include <string>
#include <vector>

#include "adventure_map.h"
#include "command_handlers.h"
#include "game_statistics.h"
#include "page_texts.h"
#include "session.h"

namespace zrx {
namespace {

std::string endText(EndMark end) {
  switch (end) {
    case EndMark::Death: return " [Halál]";
    case EndMark::Victory: return " [Győzelem]";
    case EndMark::None: break;
  }
  return "";
}

// One line per step, indented by how far from the start the chapter point was first
// reached; a return to a chapter point seen before names it without its title again.
std::vector<std::string> stepLines(const AdventureMap& map) {
  std::vector<std::size_t> depth(map.nodes.size(), 0);
  std::vector<bool> shown(map.nodes.size(), false);
  std::vector<std::string> lines;
  auto addLine = [&](std::size_t node, std::size_t indent) {
    const MapNode& n = map.nodes[node];
    lines.push_back(std::string(2 * indent, ' ') + std::to_string(n.chapter) + (shown[node] ? " (ismét)" : " " + n.title));
    shown[node] = true;
  };
  addLine(0, 0);  // the first node is the first step
  for (const MapEdge& e : map.edges) {
    if (!shown[e.to]) depth[e.to] = depth[e.from] + 1;
    addLine(e.to, shown[e.to] ? depth[e.from] + 1 : depth[e.to]);
  }
  if (map.current >= 0) lines.back() += " <- itt tartasz" + endText(map.nodes[static_cast<std::size_t>(map.current)].end);
  return lines;
}

std::string stubText(const std::vector<MapStub>& stubs) {
  std::string text;
  for (const MapStub& stub : stubs) text += (text.empty() ? "" : ", ") + stub.label;
  return text;
}

}  // namespace

void PrintRows(Session& session, const std::vector<TextRow>& rows) {
  for (const auto& [caption, value] : rows) session.out() << caption << ' ' << value << '\n';
}

bool CmdMap(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  const AdventureMap map = BuildAdventureMap(session.game().state);
  if (map.nodes.empty()) {
    session.out() << "Még egy FejezetPontot sem jártál be.\n";
    return true;
  }
  session.out() << "A bejárt út (" << map.steps << " lépés, " << map.nodes.size() << " FejezetPont):\n";
  for (const std::string& line : stepLines(map)) session.out() << line << '\n';
  if (!map.stubs.empty()) session.out() << "Lehetőségek most: " << stubText(map.stubs) << '\n';
  return true;
}

bool CmdStats(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  PrintRows(session, StatisticsRows(CollectStatistics(session.game())));
  return true;
}

}  // namespace zrx
