#pragma once
// The positions of the map's nodes and the routes of its steps, laid out by Graphviz's
// `dot` in this process. Repeated steps between the same two chapter points share one
// route. Coordinates are in points, y growing downwards.
#include <cstddef>
#include <optional>
#include <vector>

#include "adventure_map.h"

namespace zrx {

struct MapPoint {
  double x = 0, y = 0;
};

struct MapSize {
  double width = 0, height = 0;
};

struct LaidOutEdge {
  std::size_t from = 0, to = 0;
  int count = 0;                   // steps taken along it
  std::vector<MapPoint> curve;     // cubic Bézier: start, then three points per piece
  std::optional<MapPoint> arrowTip;
};

struct MapLayout {
  std::vector<MapPoint> centres;  // one per node of the map, in its order
  std::vector<MapSize> sizes;
  std::vector<LaidOutEdge> edges;
  MapSize bounds;
};

// Lays out the map's nodes (at the given sizes, one per node) and its steps; nullopt when
// Graphviz cannot lay it out (no `dot` plug-in installed).
std::optional<MapLayout> LayOutMap(const AdventureMap& map, const std::vector<MapSize>& nodeSizes);

}  // namespace zrx
