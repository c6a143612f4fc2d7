#pragma once
// A play-test run on a package built in code, with its report and its error lines.
#include <sstream>
#include <string>

#include "playtest_command.h"

namespace zrx::book {

struct Played {
  int status = 0;
  std::string report, errors;
};

inline Played Play(const PackageContent& content, const PlaytestOptions& options) {
  std::ostringstream out, err;
  Played played;
  played.status = RunPlaytestOn(content, options, out, err);
  played.report = out.str();
  played.errors = err.str();
  return played;
}

}  // namespace zrx::book
