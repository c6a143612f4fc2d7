#include "playtest_command.h"

#include <unistd.h>

#include <fstream>
#include <memory>
#include <thread>

#include "cached_book_loader.h"
#include "compiler.h"
#include "doom_regions.h"
#include "playtest_report.h"
#include "save_index.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

// A program folder of its own for the runs, removed afterwards. In memory where the
// system offers it: the runs that save flush their files, which on a disk costs more
// than the games themselves.
std::filesystem::path scratchBase() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

class ScratchFolder {
 public:
  explicit ScratchFolder(int job)
      : path_(scratchBase() / ("zrx-playtest-" + std::to_string(getpid()) + "-" + std::to_string(job))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct BookResult {
  playtest::PlaytestStats stats;
  playtest::ReportContext context;
};

// Runs are played in blocks of this many, each tallied on its own and with its own count of
// simulated odds, and the blocks added up in order: the report is the same however many
// jobs play them.
constexpr int kBlockRuns = 500;

// Plays blocks job, job + jobs, ... of the book's runs in the job's own program folder.
void playBlocks(const PlaytestOptions& options, const std::filesystem::path& folder, const PackageContent& content,
                int book, int job, int jobs, std::vector<playtest::PlaytestStats>& blocks) {
  playtest::CachedBookLoader loader(folder);
  const NewGameChoice choice{.package = content.name, .bookNumber = book,
                             .bookCount = static_cast<int>(content.books.size())};
  playtest::Playthrough playthrough(folder, loader, choice, content.settingsLine, options.limits);
  playtest::RunResult run;
  for (std::size_t block = static_cast<std::size_t>(job); block < blocks.size(); block += static_cast<std::size_t>(jobs)) {
    playthrough.forgetSimulations();
    const int first = static_cast<int>(block) * kBlockRuns;
    for (int i = first; i < std::min(options.runs, first + kBlockRuns); ++i) {
      const int difficulty = options.difficulty ? *options.difficulty : i % 3;
      playthrough.run(options.seed + static_cast<std::uint32_t>(i), difficulty, run);
      blocks[block].add(run);
    }
  }
}

void playBook(const PlaytestOptions& options, const std::vector<std::unique_ptr<ScratchFolder>>& folders,
              const PackageContent& content, int book, BookResult& result) {
  std::vector<playtest::PlaytestStats> blocks(static_cast<std::size_t>((options.runs + kBlockRuns - 1) / kBlockRuns));
  const int jobs = static_cast<int>(folders.size());
  std::vector<std::thread> workers;
  for (int job = 1; job < jobs; ++job) {
    workers.emplace_back(playBlocks, std::cref(options), std::cref(folders[static_cast<std::size_t>(job)]->path()),
                         std::cref(content), book, job, jobs, std::ref(blocks));
  }
  playBlocks(options, folders.front()->path(), content, book, 0, jobs, blocks);
  for (std::thread& worker : workers) worker.join();
  for (const playtest::PlaytestStats& block : blocks) result.stats.merge(block);
  const PackageBook& source = content.books[static_cast<std::size_t>(book - 1)];
  result.context = {.packageFile = options.packageFile.string(), .book = book, .title = source.record.Title,
                    .chapters = source.chapters, .runs = options.runs, .seed = options.seed,
                    .doomRegions = playtest::DoomRegions(source.chapters, result.stats),
                    .unused = playtest::UnusedRecords(content, book, result.stats)};
}

// Doom regions fail a book that is expected to be won; with `strict` so do the warnings.
bool soundBook(const BookResult& result, const PlaytestOptions& options, std::ostream& err) {
  bool sound = true;
  const std::string& title = result.context.title;
  const std::size_t doom = result.stats.doomLoops().size() + result.context.doomRegions.size();
  if (options.expectWin && doom > 0) {
    err << title << ": " << doom << " doom regions\n";
    sound = false;
  }
  const std::size_t warnings = result.stats.repeatedRewards().size() + result.context.unused.size();
  if (options.strict && warnings > 0) {
    err << title << ": " << warnings << " warnings (repeating rewards, records never used)\n";
    sound = false;
  }
  return sound;
}

bool wonEverywhere(const playtest::PlaytestStats& stats, std::ostream& err, const std::string& title) {
  bool won = true;
  for (int d = 0; d < 3; ++d) {
    const playtest::DifficultyTally& t = stats.difficulties()[static_cast<std::size_t>(d)];
    if (t.runs == 0 || t.ends.contains(playtest::RunEnd::Victory)) continue;
    err << title << ": not won in " << t.runs << " runs on " << playtest::DifficultyName(d) << '\n';
    won = false;
  }
  return won;
}

// Writes a file of the reports of every book, one after the other (JSON: an array).
template <typename Write>
bool writeFile(const std::filesystem::path& file, const std::vector<BookResult>& results, bool array, Write write,
               std::ostream& err) {
  if (file.empty()) return true;
  std::ofstream out(file);
  if (array) out << (results.size() == 1 ? "" : "[");
  for (std::size_t i = 0; i < results.size(); ++i) {
    if (array && i > 0) out << ',';
    write(results[i].stats, results[i].context, out);
  }
  if (array && results.size() != 1) out << "]\n";
  if (out) return true;
  err << file.string() << ": cannot be written\n";
  return false;
}

}  // namespace

int RunPlaytest(const PlaytestOptions& options, std::ostream& out, std::ostream& err) {
  Diagnostics diags;
  const auto package = ParsePackageFile(options.packageFile, diags);
  const auto content = package ? CompilePackage(*package, diags) : std::nullopt;
  diags.print(err);
  if (!content) return 1;
  return RunPlaytestOn(*content, options, out, err);
}

int RunPlaytestOn(const PackageContent& content, const PlaytestOptions& options, std::ostream& out, std::ostream& err) {
  const int books = static_cast<int>(content.books.size());
  if (options.book && (*options.book < 1 || *options.book > books)) {
    err << options.packageFile.string() << ": no book " << *options.book << " (1-" << books << ")\n";
    return 1;
  }
  std::vector<std::unique_ptr<ScratchFolder>> folders;
  for (int job = 0; job < std::max(1, options.jobs); ++job) {
    folders.push_back(std::make_unique<ScratchFolder>(job));
    const std::filesystem::path& folder = folders.back()->path();
    if (WritePackage(folder / content.name, content) != kPackageWritten || LayEmptySaveIndex(folder) != 0) {
      err << folder.string() << ": the package cannot be laid out for the runs\n";
      return 1;
    }
  }
  std::vector<BookResult> results(options.book ? 1 : static_cast<std::size_t>(books));
  bool fine = true;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const int book = options.book ? *options.book : static_cast<int>(i) + 1;
    playBook(options, folders, content, book, results[i]);
    playtest::WriteTextReport(results[i].stats, results[i].context, out);
    fine = !results[i].stats.anyProblem() && fine;
    if (options.expectWin) fine = wonEverywhere(results[i].stats, err, results[i].context.title) && fine;
    fine = soundBook(results[i], options, err) && fine;
  }
  fine = writeFile(options.json, results, true, playtest::WriteJsonReport, err) && fine;
  fine = writeFile(options.dot, results, false, playtest::WriteDotGraph, err) && fine;
  return fine ? 0 : 1;
}

}  // namespace zrx::book
