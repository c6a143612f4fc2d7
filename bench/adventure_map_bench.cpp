// The map of a 1000-step adventure: its model, its Graphviz layout with the scene built,
// and a paint of the whole map. The goal for layout and paint together is 100 ms.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>

#include "adventure_map.h"
#include "special/adventure_map_view.h"
#include "special/map_layout.h"

namespace zrx {
namespace {

constexpr int kChapters = 700;
constexpr int kSteps = 1000;

// A wandering adventure: mostly onwards, now and then back to a chapter point seen.
GameState WanderingGame() {
  GameState state;
  std::mt19937 random(7);
  for (int chapter = 0; chapter <= kChapters; ++chapter) {
    state.ChapterTexts.push_back({"A(z) " + std::to_string(chapter) + ". helyen egy régi kőhíd vezet át a folyón,",
                                  "a túlparton sötét erdő kezdődik."});
  }
  int at = 1;
  for (int step = 0; step < kSteps; ++step) {
    state.navigation.VisitedPath.push_back(std::to_string(at));
    const int roll = static_cast<int>(random() % 10);
    at = roll < 8 ? std::min(kChapters, at + 1 + roll % 3) : std::max(1, at - roll / 2);
  }
  state.CurrentChapter = at;
  state.navigation.NextChapterList = {"12", "40", "Vége"};
  return state;
}

void BM_BuildModel(benchmark::State& bench) {
  const GameState state = WanderingGame();
  for (auto _ : bench) benchmark::DoNotOptimize(BuildAdventureMap(state));
}
BENCHMARK(BM_BuildModel)->Unit(benchmark::kMillisecond);

void BM_LayOutOnly(benchmark::State& bench) {
  const AdventureMap map = BuildAdventureMap(WanderingGame());
  const std::vector<MapSize> sizes(map.nodes.size(), MapSize{90, 30});
  for (auto _ : bench) benchmark::DoNotOptimize(LayOutMap(map, sizes));
}
BENCHMARK(BM_LayOutOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LayOutAndPaint(benchmark::State& bench) {
  const GameState state = WanderingGame();
  const AdventureMap map = BuildAdventureMap(state);
  QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : bench) {
    AdventureMapView view;
    view.resize(image.size());
    view.setMap(map);
    view.fitAll();
    QPainter painter(&image);
    view.render(&painter);
  }
  bench.counters["nodes"] = static_cast<double>(map.nodes.size());
}
BENCHMARK(BM_LayOutAndPaint)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace zrx
