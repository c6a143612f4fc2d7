// A chapter transition in the game window, offscreen: the engine enters the chapter point
// and the window paints its new text, picture and continuations. Two chapter points with
// pictures of their own alternate, so every transition decodes and paints a picture.
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <filesystem>

#include "game.h"
#include "game/form_main.h"
#include "lifecycle.h"
#include "navigation.h"
#include "resources/resources.h"
#include "start/program.h"
#include "temp_folder.h"

namespace {

using namespace zrx;

void enterChapter(TFormMain& window, Game& game, int chapter) {
  window.perform([&game, chapter] {
    game.state.CurrentChapter = chapter;
    Navigation(game).FejezetPont();
  });
}

void BM_ChapterTransition(benchmark::State& state) {
  test::TempFolder folder;
  for (const char* package : {"Source", "Save"}) {
    std::filesystem::copy(std::filesystem::path(ZRX_PACKAGE_DIR) / package, folder.path() / package,
                          std::filesystem::copy_options::recursive);
  }
  Program program(folder.path(), std::make_unique<SeededDice>(1));
  program.resources().load();
  program.applySettings(SettingsLine::Parse("1010000110"));
  TFormMain window(program);
  window.show();
  Game& game = program.game();
  window.perform([&game] { Lifecycle(game).Indit(NewGameChoice{"Source", 1, 1, 0}); });
  int chapter = 6;
  for (auto _ : state) {
    chapter = chapter == 6 ? 20 : 6;
    enterChapter(window, game, chapter);
    QPixmap painted = window.grab();  // paints every visible control, the picture decoded
    benchmark::DoNotOptimize(painted);
  }
  state.counters["controls"] = static_cast<double>(window.views().size());
}
BENCHMARK(BM_ChapterTransition)->Unit(benchmark::kMillisecond);

}  // namespace
