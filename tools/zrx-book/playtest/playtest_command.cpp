#include "playtest_command.h"

#include <unistd.h>

#include <fstream>

#include "cached_book_loader.h"
#include "compiler.h"
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
  ScratchFolder() : path_(scratchBase() / ("zrx-playtest-" + std::to_string(getpid()))) {
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

void playBook(const PlaytestOptions& options, const std::filesystem::path& folder, const PackageContent& content,
              int book, BookResult& result) {
  playtest::CachedBookLoader loader(folder);
  const NewGameChoice choice{.package = content.name, .bookNumber = book,
                             .bookCount = static_cast<int>(content.books.size())};
  playtest::Playthrough playthrough(folder, loader, choice, content.settingsLine, options.limits);
  playtest::RunResult run;
  for (int i = 0; i < options.runs; ++i) {
    const int difficulty = options.difficulty ? *options.difficulty : i % 3;
    playthrough.run(options.seed + static_cast<std::uint32_t>(i), difficulty, run);
    result.stats.add(run);
  }
  const PackageBook& source = content.books[static_cast<std::size_t>(book - 1)];
  result.context = {.packageFile = options.packageFile.string(), .book = book, .title = source.record.Title,
                    .chapters = source.chapters, .runs = options.runs, .seed = options.seed};
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
  ScratchFolder folder;
  if (WritePackage(folder.path() / content.name, content) != kPackageWritten ||
      LayEmptySaveIndex(folder.path()) != 0) {
    err << folder.path().string() << ": the package cannot be laid out for the runs\n";
    return 1;
  }
  std::vector<BookResult> results(options.book ? 1 : static_cast<std::size_t>(books));
  bool fine = true;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const int book = options.book ? *options.book : static_cast<int>(i) + 1;
    playBook(options, folder.path(), content, book, results[i]);
    playtest::WriteTextReport(results[i].stats, results[i].context, out);
    fine = !results[i].stats.anyProblem() && fine;
    if (options.expectWin) fine = wonEverywhere(results[i].stats, err, results[i].context.title) && fine;
  }
  fine = writeFile(options.json, results, true, playtest::WriteJsonReport, err) && fine;
  fine = writeFile(options.dot, results, false, playtest::WriteDotGraph, err) && fine;
  return fine ? 0 : 1;
}

}  // namespace zrx::book
