#include "engine_run.h"

#include <stdexcept>
#include <vector>

#include "lifecycle.h"
#include "navigation.h"

namespace zrx::bench {

EngineRun::EngineRun(const std::filesystem::path& programFolder) {
  session_ = std::make_unique<Session>(SessionOptions{.programFolder = programFolder, .seed = 17}, in_, out_);
  Lifecycle(game()).Indit(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = 0});
  if (!game().state.GameLoaded) throw std::runtime_error("the bench book does not start");
  out_.str({});
}

void EngineRun::step(int chapter) {
  game().state.CurrentChapter = chapter;
  Navigation(game()).FejezetPont();
}

void EngineRun::setPathLength(std::size_t length) {
  TextList& path = game().state.navigation.VisitedPath;
  std::vector<std::string> lines;
  lines.reserve(length);
  path.clear();
  for (std::size_t i = 0; i < length; ++i) {
    path.push_back(std::to_string(i % 900 + 1));
    lines.push_back(path.back());
  }
  game().screen.MemoFP.setItems(std::move(lines));
}

std::size_t EngineRun::pathLength() const { return session_->game().state.navigation.VisitedPath.size(); }

}  // namespace zrx::bench
