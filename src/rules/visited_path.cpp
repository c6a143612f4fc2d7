#include "visited_path.h"

#include <fstream>
#include <system_error>

#include "date_text.h"
#include "win1250.h"

namespace zrx {
namespace {

constexpr int kMaxPathFileNumber = 1000000;

}  // namespace

std::string PathMemoEntry(std::string_view number) { return std::string(number) + ", "; }

bool PathMemoLineIsFull(const std::string& line) { return Utf8Length(line) >= kPathLineLimit; }

void AppendToPathMemo(std::vector<std::string>& lines, std::string_view number) {
  if (lines.empty() || PathMemoLineIsFull(lines.back())) {
    lines.push_back(PathMemoEntry(number));
  } else {
    lines.back() += PathMemoEntry(number);
  }
}

std::optional<std::filesystem::path> WritePathFile(const std::filesystem::path& programFolder,
                                                   const std::vector<std::string>& lines,
                                                   const DateTime& moment) {
  namespace fs = std::filesystem;
  const fs::path folder = programFolder / "Other";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return std::nullopt;
  const std::string base = "BejartUtak_(" + DatumAtalakitas(0, moment) + ")_";
  for (int n = 1; n <= kMaxPathFileNumber; ++n) {
    const fs::path file = folder / (base + std::to_string(n) + ".txt");
    const bool taken = fs::exists(file, ec);
    if (ec) return std::nullopt;
    if (taken) continue;
    std::ofstream out(file, std::ios::binary);
    if (!out) return std::nullopt;
    for (const auto& line : lines) out << Utf8ToWin1250Lossy(line) << "\r\n";
    out.flush();
    if (!out) return std::nullopt;
    return file;
  }
  return std::nullopt;
}

}  // namespace zrx
