#pragma once
// A text-player session on a bench book, started at its rules text, for the engine
// and command benchmarks and for the memory child.
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "session.h"

namespace zrx::bench {

class EngineRun {
 public:
  explicit EngineRun(const std::filesystem::path& programFolder);

  Session& session() { return *session_; }
  Game& game() { return session_->game(); }
  // One transition as the engine makes it: the chapter point `chapter` is entered.
  void step(int chapter);
  // The visited path made `length` entries long, as after so many transitions.
  void setPathLength(std::size_t length);
  std::size_t pathLength() const;

 private:
  std::istringstream in_;
  std::ostringstream out_;
  std::unique_ptr<Session> session_;
};

}  // namespace zrx::bench
