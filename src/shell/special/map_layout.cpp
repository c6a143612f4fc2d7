#include "map_layout.h"

#include <gvc.h>

#include <algorithm>
#include <clocale>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace zrx {
namespace {

constexpr double kPointsPerInch = 72.0;

// cgraph takes its names and values as char*, never writing through them.
char* text(const char* value) { return const_cast<char*>(value); }

// Graphviz reads the numbers of its attributes with the C library, in the process's
// numeric locale: on a Hungarian desktop the decimal comma would read "0.35" as 0 and the
// boxes would collapse. The graph is built and laid out under the "C" numeric locale.
class ClassicNumbers {
 public:
  ClassicNumbers() : saved_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
  ~ClassicNumbers() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  std::string saved_;
};

struct ContextCloser {
  void operator()(GVC_t* gvc) const { gvFreeContext(gvc); }
};

struct GraphCloser {
  GVC_t* gvc;
  void operator()(Agraph_t* graph) const {
    gvFreeLayout(gvc, graph);
    agclose(graph);
  }
};

// Passes of the network simplex that places the nodes across: it is most of the layout's
// cost on a long adventure (every step back adds a chain of hidden nodes across the ranks
// it spans), while a map past a few dozen nodes looks alike after thirty passes or after
// hundreds. A small map gets its full polish.
constexpr double kPlacementPasses = 30;

void setGraphAttributes(Agraph_t* graph, std::size_t nodeCount) {
  agattr(graph, AGRAPH, text("rankdir"), text("TB"));
  agattr(graph, AGRAPH, text("nodesep"), text("0.25"));
  agattr(graph, AGRAPH, text("ranksep"), text("0.35"));
  // The newer ranking pass (it walks the graph's edges far less often), fewer
  // crossing-reduction and placement passes, and steps routed as straight pieces around the
  // boxes rather than as curves keep a long adventure quick to lay out.
  agattr(graph, AGRAPH, text("newrank"), text("true"));
  agattr(graph, AGRAPH, text("mclimit"), text("0.1"));
  const double placementLimit = std::min(1.0, kPlacementPasses / static_cast<double>(std::max<std::size_t>(nodeCount, 1)));
  agattr(graph, AGRAPH, text("nslimit"), text(std::to_string(placementLimit).c_str()));
  agattr(graph, AGRAPH, text("nslimit1"), text("1"));
  agattr(graph, AGRAPH, text("splines"), text("polyline"));
  agattr(graph, AGRAPH, text("remincross"), text("false"));
  agattr(graph, AGNODE, text("shape"), text("box"));
  agattr(graph, AGNODE, text("fixedsize"), text("true"));
  agattr(graph, AGNODE, text("label"), text(""));
  agattr(graph, AGNODE, text("width"), text("1"));
  agattr(graph, AGNODE, text("height"), text("0.5"));
}

std::string inches(double points) { return std::to_string(points / kPointsPerInch); }

// The routes of the steps, one per pair of chapter points, with how often each was taken.
std::map<std::pair<std::size_t, std::size_t>, int> stepCounts(const AdventureMap& map) {
  std::map<std::pair<std::size_t, std::size_t>, int> counts;
  for (const MapEdge& e : map.edges) ++counts[{e.from, e.to}];
  return counts;
}

}  // namespace

std::optional<MapLayout> LayOutMap(const AdventureMap& map, const std::vector<MapSize>& nodeSizes) {
  const ClassicNumbers numbers;
  std::unique_ptr<GVC_t, ContextCloser> gvc(gvContext());
  if (!gvc) return std::nullopt;
  std::unique_ptr<Agraph_t, GraphCloser> graph(agopen(text("map"), Agdirected, nullptr), GraphCloser{gvc.get()});
  setGraphAttributes(graph.get(), map.nodes.size());

  std::vector<Agnode_t*> nodes;
  for (std::size_t i = 0; i < map.nodes.size(); ++i) {
    Agnode_t* node = agnode(graph.get(), text(("n" + std::to_string(i)).c_str()), 1);
    const MapSize size = i < nodeSizes.size() ? nodeSizes[i] : MapSize{72, 36};
    agset(node, text("width"), text(inches(size.width).c_str()));
    agset(node, text("height"), text(inches(size.height).c_str()));
    nodes.push_back(node);
  }
  std::vector<std::pair<Agedge_t*, LaidOutEdge>> edges;
  for (const auto& [ends, count] : stepCounts(map)) {
    Agedge_t* edge = agedge(graph.get(), nodes[ends.first], nodes[ends.second], nullptr, 1);
    edges.push_back({edge, LaidOutEdge{.from = ends.first, .to = ends.second, .count = count}});
  }
  if (gvLayout(gvc.get(), graph.get(), "dot") != 0) return std::nullopt;

  const boxf box = GD_bb(graph.get());
  auto flip = [&](pointf p) { return MapPoint{p.x - box.LL.x, box.UR.y - p.y}; };
  MapLayout layout{.bounds = {box.UR.x - box.LL.x, box.UR.y - box.LL.y}};
  for (Agnode_t* node : nodes) {
    layout.centres.push_back(flip(ND_coord(node)));
    layout.sizes.push_back({ND_width(node) * kPointsPerInch, ND_height(node) * kPointsPerInch});
  }
  for (auto& [edge, laid] : edges) {
    if (const splines* route = ED_spl(edge); route && route->size > 0) {
      const bezier& curve = route->list[0];
      for (int i = 0; i < curve.size; ++i) laid.curve.push_back(flip(curve.list[i]));
      if (curve.eflag) laid.arrowTip = flip(curve.ep);
    }
    layout.edges.push_back(std::move(laid));
  }
  return layout;
}

}  // namespace zrx
