#pragma once
// zrx-book playtest: plays the books of a package many times through the engine with a
// random player and reports what the runs found.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>

#include "package_writer.h"
#include "playthrough.h"

namespace zrx::book {

struct PlaytestOptions {
  std::filesystem::path packageFile;
  std::optional<int> book;        // every book of the package when not given
  int runs = 1000;                // per book
  std::uint32_t seed = 1;         // run i plays with seed + i
  std::optional<int> difficulty;  // the runs go round the three difficulties when not given
  std::filesystem::path json, dot;
  bool expectWin = false;  // a difficulty without a single victory, or a doom region, fails the playtest
  bool strict = false;     // repeating rewards and records never used fail it too
  int jobs = 1;            // runs played side by side; the report does not depend on it
  playtest::PlaythroughLimits limits;
};

// The exit status: 0 when nothing is wrong; 1 for a stall, a loop, a malformed code, an
// error-log code, a package that cannot be read, (with expectWin) a book not won or a doom
// region, (with strict) a warning.
int RunPlaytest(const PlaytestOptions& options, std::ostream& out, std::ostream& err);
// The same on a package already compiled; options.packageFile only names it in the report.
int RunPlaytestOn(const PackageContent& content, const PlaytestOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zrx::book
