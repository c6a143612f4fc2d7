// The performance suite: game start, pictures, memory, transitions and the text player,
// each on a large generated book, each figure beside its floor in the same run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <string>

#include "bare_decoder.h"
#include "container_format.h"
#include "engine_run.h"
#include "figures.h"
#include "floors.h"
#include "jpeg_decoder.h"
#include "large_book.h"
#include "load_check.h"
#include "navigation.h"
#include "source_coding.h"

namespace zrx::bench {
namespace {

constexpr BookShape kLargeBook{};
// The engine and command cases need the chapters, not 50 MB of pictures.
constexpr BookShape kStepBook{.lastChapter = 998, .chapterPictures = 4, .decorPictures = 2};
constexpr double kFirstChapterBudgetMs = 50;
constexpr double kCommandAllowanceMs = 0.050;
constexpr int kMemoryTransitions = 50;

std::filesystem::path packageFolder(const LargeBook& book) { return book.programFolder() / kSourcePackage; }

void loadWholeBook(const LargeBook& book) { benchmark::DoNotOptimize(LoadSynchronously(book).chapterPictures.data()); }

void gameStart(benchmark::State& state, const LargeBook& book) {
  MeasurePair(state, [&] { loadWholeBook(book); }, [&] { benchmark::DoNotOptimize(GameStartFloor(packageFolder(book))); });
}

void firstChapter(benchmark::State& state, const LargeBook& book) {
  double total = 0;
  for (auto _ : state) {
    const CpuClock clock(CpuClock::kThread);
    EngineRun run(book.programFolder());
    const double ms = clock.elapsedMs();
    total += ms;
    state.SetIterationTime(ms / 1000);  // the session's end is not part of the start
  }
  ReportRatio(state, total / static_cast<double>(state.iterations()), kFirstChapterBudgetMs);
}

void chapterTexts(benchmark::State& state, const LargeBook& book) {
  SourceCoding source(book.programFolder());
  MeasurePair(
      state,
      [&] {
        std::vector<std::vector<std::string>> texts;
        benchmark::DoNotOptimize(source.LoadChapterTexts(kSourcePackage, 1, book.shape().lastChapter + 2, texts));
      },
      [&] { benchmark::DoNotOptimize(FilePhaseFloor(book.file(kTextsKind, 1), false)); });
}

void allPictures(benchmark::State& state, const LargeBook& book) {
  SourceCoding source(book.programFolder());
  MeasurePair(
      state,
      [&] {
        std::vector<Picture> chapterPictures, decorPictures;
        benchmark::DoNotOptimize(source.LoadChapterPictures(kSourcePackage, 1, book.shape().decorPictures,
                                                            book.shape().chapterPictures, chapterPictures,
                                                            decorPictures));
      },
      [&] { benchmark::DoNotOptimize(FilePhaseFloor(book.file(kPicturesKind, 1), false)); });
}

// The child of the memory case: a game started and played for some transitions, every
// picture decoded as a window would show it, then its peak resident size is the figure.
int runMemoryChild(const std::filesystem::path& programFolder) {
  EngineRun run(programFolder);
  JpegDecoder decoder;
  DecodedImage image;
  for (int chapter = 1; chapter <= kMemoryTransitions; ++chapter) {
    run.step(chapter);
    const PictureRef shown = run.game().screen.Image1.picture();
    const auto& list = shown.source == PictureRef::Source::DecorPicture ? run.game().state.DecorPictures
                                                                         : run.game().state.ChapterPictures;
    if (shown.index >= 0 && static_cast<std::size_t>(shown.index) < list.size())
      benchmark::DoNotOptimize(decoder.decode(list[static_cast<std::size_t>(shown.index)].jpeg(), image));
  }
  return 0;
}

void peakMemory(benchmark::State& state, const LargeBook& book, const char* self) {
  constexpr double kMiB = 1024.0 * 1024.0;
  double peak = 0;
  for (auto _ : state) {
    const pid_t child = ::fork();
    if (child == 0) {
      const std::string folder = book.programFolder().string();
      ::execl(self, self, "--memory-child", folder.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    struct rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the memory child failed");
    peak = static_cast<double>(usage.ru_maxrss) * 1024.0 / kMiB;
  }
  const double decodedPictures = 2.0 * 1024 * 768 * 3 / kMiB;
  ReportRatio(state, peak, static_cast<double>(book.gameFileBytes()) / kMiB + decodedPictures + 64, "MiB");
}

// One transition at a path of `length` entries against the same at ten entries.
void engineStep(benchmark::State& state, const LargeBook& book, std::size_t length) {
  EngineRun run(book.programFolder()), shortRun(book.programFolder());
  run.setPathLength(length);
  shortRun.setPathLength(10);
  const int chapters = book.shape().lastChapter;
  int chapter = 1;
  std::vector<double> samples;
  double floorTotal = 0;
  for (auto _ : state) {
    const CpuClock clock;
    run.step(chapter);
    const double ms = clock.elapsedMs();
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
    const CpuClock floorClock;
    shortRun.step(chapter);
    floorTotal += floorClock.elapsedMs();
    chapter = chapter % (chapters - 1) + 1;
    if (run.pathLength() > length + 2000) {
      state.PauseTiming();
      run.setPathLength(length);
      shortRun.setPathLength(10);
      state.ResumeTiming();
    }
  }
  double total = 0;
  for (double s : samples) total += s;
  ReportRatio(state, total / static_cast<double>(samples.size()), floorTotal / static_cast<double>(samples.size()));
  state.counters["p50_ms"] = Percentile(samples, 0.50);
  state.counters["p99_ms"] = Percentile(samples, 0.99);
}

void pictureDecode(benchmark::State& state) {
  const Picture picture = MakeBenchPicture(1024, 768, 7);
  BareJpegDecoder bare;
  JpegDecoder decoder;
  DecodedImage image;
  std::vector<double> samples;
  double floorTotal = 0;
  for (auto _ : state) {
    const CpuClock clock;
    benchmark::DoNotOptimize(decoder.decode(picture.jpeg(), image));
    const double ms = clock.elapsedMs();
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
    const CpuClock floorClock;
    benchmark::DoNotOptimize(bare.decode(picture.jpeg()));
    floorTotal += floorClock.elapsedMs();
  }
  double total = 0;
  for (double s : samples) total += s;
  ReportRatio(state, total / static_cast<double>(samples.size()), floorTotal / static_cast<double>(samples.size()));
  state.counters["p99_ms"] = Percentile(samples, 0.99);
}

// A "tovább <continuation>" command of the text player against the engine step it makes
// plus 50 µs. A command that does not step fails the case: it would measure nothing.
void textCommand(benchmark::State& state, const LargeBook& book) {
  EngineRun run(book.programFolder()), engine(book.programFolder());
  run.step(1);
  double figureTotal = 0, floorTotal = 0;
  for (auto _ : state) {
    const std::vector<std::string>& offered = run.game().screen.ListBoxNext.items();
    const int before = run.game().state.CurrentChapter;
    if (offered.empty() || offered.front().find_first_not_of("0123456789") != std::string::npos) {
      state.PauseTiming();
      run.step(1);  // the book's end: back to its start
      state.ResumeTiming();
      continue;
    }
    const std::string command = "tovább " + offered.front();
    const CpuClock clock;
    run.session().execute(command);
    const double ms = clock.elapsedMs();
    if (run.game().state.CurrentChapter == before) {
      state.SkipWithError("the command did not step");
      return;
    }
    figureTotal += ms;
    state.SetIterationTime(ms / 1000);
    const CpuClock floorClock;
    engine.step(run.game().state.CurrentChapter);
    floorTotal += floorClock.elapsedMs() + kCommandAllowanceMs;
  }
  const auto n = static_cast<double>(state.iterations());
  ReportRatio(state, figureTotal / n, floorTotal / n);
}

void registerAll(BookShelf& shelf, const char* self) {
  const auto large = [&shelf] { return std::cref(shelf.of(kLargeBook)); };
  const auto add = [](const std::string& name, auto&& run) {
    return benchmark::RegisterBenchmark(name.c_str(), run)->UseManualTime()->Unit(benchmark::kMillisecond);
  };
  add("FirstChapter", [large](benchmark::State& s) { firstChapter(s, large()); })->Iterations(5);
  add("AllPictures", [large](benchmark::State& s) { allPictures(s, large()); })->Iterations(5);
  add("ChapterTexts", [large](benchmark::State& s) { chapterTexts(s, large()); })->Iterations(20);
  add("PeakMemory", [large, self](benchmark::State& s) { peakMemory(s, large(), self); })->Iterations(1);
  const BookShape growth[] = {kLargeBook,
                              {.lastChapter = 248},
                              {.lastChapter = 1998},
                              {.lastChapter = 998, .chapterPictures = 100, .decorPictures = 0},
                              {.lastChapter = 998, .chapterPictures = 255, .decorPictures = 0}};
  for (const BookShape& shape : growth) {
    const std::string name = "GameStart/chapters:" + std::to_string(shape.lastChapter + 2) +
                             "/pictures:" + std::to_string(shape.chapterPictures + shape.decorPictures);
    add(name, [&shelf, shape](benchmark::State& s) { gameStart(s, shelf.of(shape)); })->Iterations(3);
  }
  for (const std::size_t length : {std::size_t{10}, std::size_t{1000}, std::size_t{100000}})
    add("EngineStep/path:" + std::to_string(length),
        [&shelf, length](benchmark::State& s) { engineStep(s, shelf.of(kStepBook), length); })
        ->Iterations(3000)
        ->Unit(benchmark::kMicrosecond);
  add("PictureDecode", [](benchmark::State& s) { pictureDecode(s); })->Iterations(200);
  add("TextCommand", [&shelf](benchmark::State& s) { textCommand(s, shelf.of(kStepBook)); })
      ->Iterations(2000)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace zrx::bench

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--memory-child") == 0) return zrx::bench::runMemoryChild(argv[2]);
  zrx::bench::BookShelf shelf;
  try {
    zrx::bench::CheckStartedGameMatchesSynchronousLoad(shelf.of(zrx::bench::kLargeBook));
  } catch (const std::exception& failure) {
    std::cerr << "zrx_bench: " << failure.what() << '\n';
    return 1;
  }
  zrx::bench::registerAll(shelf, "/proc/self/exe");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
