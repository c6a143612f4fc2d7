#include "new_game_screen.h"

#include <array>
#include <system_error>
#include <utility>

#include "container_format.h"
#include "source_coding.h"

namespace zrx {
namespace {

constexpr int kFolderUnlistable = 207;
constexpr int kNoPackage = 206;
constexpr const char* kSourceFolder = "Source";

// Package check results reported for every folder, and those reported for "Source" only
// (another folder with these is silently left out).
constexpr std::array<ResultCode, 3> kCheckErrorsAnyFolder = {{{-3, 221}, {-4, 222}, {-5, 204}}};
constexpr std::array<ResultCode, 4> kCheckErrorsSource = {{{-11, 201}, {-10, 202}, {-2, 205}, {-1, 203}}};
constexpr std::array<ResultCode, 15> kBookListErrors = {{
    {-1, 210}, {-2, 212}, {-3, 223}, {-4, 224}, {-5, 213}, {-6, 220}, {-7, 225}, {-8, 226},
    {-10, 209}, {-11, 208}, {-12, 218}, {-101, 216}, {-102, 217}, {-110, 215}, {-111, 214}}};

// Why a folder that is reported nowhere was left out, by its check result.
struct LeftOutReason {
  int result;
  const char* reason;
};
constexpr std::array<LeftOutReason, 5> kLeftOutReasons = {{
    {-100, "nincs benne könyv, vagy egy másik csomag fájlja"},
    {-11, "hiányzik a Data0.zrx fájlja"},
    {-10, "a Data0.zrx írásvédett, és a jelölése nem vehető le"},
    {-2, "a Data0.zrx nem olvasható"},
    {-1, "a Data0.zrx nem ehhez a csomaghoz tartozik"},
}};

std::string leftOutLine(const std::string& folder, int result) {
  for (const LeftOutReason& row : kLeftOutReasons) {
    if (row.result == result) return "Kihagyott csomag: " + folder + " (" + row.reason + ")";
  }
  return "Kihagyott csomag: " + folder;
}

std::string dataFileOf(const std::string& folder) { return folder + "/" + PackageFileName(kDataKind, 0); }

constexpr const char* kNoDescription = "(nincs leírás)";
constexpr std::string_view kNotAvailable = "(NA)";

}  // namespace

int DifficultyOfItem(int item) {
  switch (item) {
    case 1: return 0;  // "Könnyű"
    case 2: return 2;  // "Véletlen"
    default: return 1; // "Normál"
  }
}

std::vector<std::string> NewGameIntroLines() {
  return {"A fenti lenyíló menüben megtalálhatod a ",
          "programban rendelkezésre álló forrás",
          "csomagokat, név szerint. Ezek a csomagok ",
          "tartalmazzák a Játékosok által létrehozott saját ",
          "történeteket. Kérlek, válassz Forrást!",
          "(az eredeti ZRX könyvek Forrásának neve: ",
          "\"Source\")"};
}

std::vector<std::string> NewGameLoadingLines() {
  return {"A fenti lenyíló menü lehetőségeiből választva",
          "kaphatsz egy rövid leírást az adott könyvről,",
          "valamint megtekintheted a könyv eredeti",
          "borítóját is a jobb oldalon!"};
}

std::vector<std::string> BookDescriptionLines(const TBookRec& book) {
  const std::string text = book.Description1 + book.Description2 + book.Description3;
  if (text.empty()) return {kNoDescription};
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t mark = text.find('#'); mark != std::string::npos; mark = text.find('#', start)) {
    lines.push_back(text.substr(start, mark - start));
    start = mark + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

bool BookChoosable(const TBookRec& book) { return book.Title.compare(0, kNotAvailable.size(), kNotAvailable) != 0; }

NewGameSelection::NewGameSelection(std::filesystem::path programFolder, ErrorLog& errors)
    : programFolder_(std::move(programFolder)), errors_(errors) {}

bool NewGameSelection::Open() {
  packages_.clear();
  bookCounts_.clear();
  leftOut_.clear();
  std::error_code ec;
  std::filesystem::directory_iterator listing(programFolder_, ec);
  if (ec) {
    errors_.HibaHozzairas(kFolderUnlistable, programFolder_.filename().string());
    return false;
  }
  for (const std::string& folder : FindPackageFolders(programFolder_)) {
    if (const std::optional<int> books = ForrasValidalas(folder)) {
      packages_.push_back(folder);
      bookCounts_.push_back(*books);
    }
  }
  if (packages_.empty()) errors_.HibaHozzairas(kNoPackage);
  return !errors_.FatalErrorFlag();
}

std::optional<int> NewGameSelection::ForrasValidalas(const std::string& folder) {
  int bookCount = 0;
  const int result = SourceCoding(programFolder_).CheckPackage(folder, bookCount);
  if (result > -1) return bookCount;
  const std::string file = dataFileOf(folder);
  const bool reported = ReportResult(errors_, kCheckErrorsAnyFolder, result, file) ||
                        (folder == kSourceFolder && ReportResult(errors_, kCheckErrorsSource, result, file));
  if (!reported) leftOut_.push_back(leftOutLine(folder, result));
  return std::nullopt;
}

bool NewGameSelection::LoadPackage(int position) {
  loaded_ = -1;
  books_.clear();
  covers_.clear();
  if (position < 0 || position >= static_cast<int>(packages_.size())) return false;
  const std::size_t at = static_cast<std::size_t>(position);
  const int result = SourceCoding(programFolder_).LoadBookList(packages_[at], bookCounts_[at], books_, covers_);
  if (result < 1) {
    // A zero result has no code; the book list is simply unusable then.
    ReportResult(errors_, kBookListErrors, result, packages_[at]);
    books_.clear();
    covers_.clear();
    return false;
  }
  loaded_ = position;
  return true;
}

std::optional<NewGameChoice> NewGameSelection::Choose(int position, int difficultyItem) const {
  if (loaded_ < 0 || position < 0 || position >= static_cast<int>(books_.size())) return std::nullopt;
  if (!BookChoosable(books_[static_cast<std::size_t>(position)])) return std::nullopt;
  return NewGameChoice{.package = packages_[static_cast<std::size_t>(loaded_)],
                       .bookNumber = position + 1,
                       .bookCount = bookCounts_[static_cast<std::size_t>(loaded_)],
                       .difficulty = DifficultyOfItem(difficultyItem)};
}

}  // namespace zrx
