// Play-throughs of "A Holdárok árnyéka" by the play-tester's random player: the engine's
// cost of one whole game, and its cost with each battle's odds noted as well. The
// counters give play-throughs per second (items_per_second); per minute is 60 times that.
#include <benchmark/benchmark.h>

#include "cached_book_loader.h"
#include "compiler.h"
#include "playthrough.h"
#include "save_index.h"
#include "source_parser.h"
#include "temp_folder.h"

namespace zrx {
namespace {

constexpr int kHoldarok = 2;  // book 2 of the bundled package

// The bundled package compiled and laid out once for the benchmarks of this program.
class BundledPackage {
 public:
  BundledPackage() {
    book::Diagnostics diags;
    const auto package = book::ParsePackageFile(std::filesystem::path(ZRX_BOOKS_DIR) / "source.yaml", diags);
    const auto content = package ? book::CompilePackage(*package, diags) : std::nullopt;
    if (!content || WritePackage(folder_.path() / content->name, *content) != kPackageWritten ||
        LayEmptySaveIndex(folder_.path()) != 0) {
      throw std::runtime_error("the bundled package cannot be laid out");
    }
    name_ = content->name;
    settingsLine_ = content->settingsLine;
    books_ = static_cast<int>(content->books.size());
  }
  const std::filesystem::path& path() const { return folder_.path(); }
  const std::string& settingsLine() const { return settingsLine_; }
  NewGameChoice choice() const { return {.package = name_, .bookNumber = kHoldarok, .bookCount = books_}; }

 private:
  test::TempFolder folder_;
  std::string name_, settingsLine_;
  int books_ = 0;
};

const BundledPackage& bundled() {
  static const BundledPackage package;
  return package;
}

void playThroughs(benchmark::State& state, bool predictOdds) {
  playtest::CachedBookLoader loader(bundled().path());
  playtest::Playthrough playthrough(bundled().path(), loader, bundled().choice(), bundled().settingsLine(),
                                    {.predictOdds = predictOdds});
  playtest::RunResult run;
  std::uint32_t seed = 1;
  long long chapters = 0;
  for (auto _ : state) {
    playthrough.run(seed, static_cast<int>(seed % 3), run);
    chapters += static_cast<long long>(run.path.size());
    ++seed;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["chapters_per_run"] = static_cast<double>(chapters) / static_cast<double>(state.iterations());
}

void BM_PlaythroughHoldarok(benchmark::State& state) { playThroughs(state, false); }
BENCHMARK(BM_PlaythroughHoldarok)->Unit(benchmark::kMicrosecond)->MinTime(5.0);

void BM_PlaythroughHoldarokWithOdds(benchmark::State& state) { playThroughs(state, true); }
BENCHMARK(BM_PlaythroughHoldarokWithOdds)->Unit(benchmark::kMicrosecond)->MinTime(5.0);

}  // namespace
}  // namespace zrx

BENCHMARK_MAIN();
