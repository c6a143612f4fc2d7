#pragma once
// The error state behind the error window: reported codes become lines of text, the
// window's close interval grows with their number, and closing writes them to a log file.
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "clock.h"

namespace zrx {

class ErrorLog {
 public:
  // Reports one error: adds its line (when the code has a category) and counts it.
  void HibaHozzairas(int code);

  // True once any error has been reported; the program stops its operation and ends.
  bool FatalErrorFlag() const { return counter_ > 0; }
  int counter() const { return counter_; }
  const std::vector<std::string>& lines() const { return lines_; }

  // How long the error window stays up: 10 s plus 4 s for every two reported errors.
  int closeIntervalMs() const;

  // Writes the lines to "Other/HibaLog_(<short date>).txt" in the program folder, in
  // Windows-1250. Returns false when the file could not be written (not reported further).
  bool writeLogFile(const std::filesystem::path& programFolder, const DateTime& moment) const;

 private:
  std::vector<std::string> lines_;
  int counter_ = 0;
};

// One row of a caller's table that turns a file routine's negative result into an error code.
struct ResultCode {
  int result;
  int code;
};

// Reports the error code that `table` gives for `result`. Returns false when the table
// has no row for it (a 0 result, or a result the caller does not expect).
bool ReportResult(ErrorLog& errors, std::span<const ResultCode> table, int result);

// "HIBA " + code text + the category's two parts; empty for a code without a category.
std::string ErrorLine(int code);

// The log file name for a moment: "HibaLog_(" + short date + ").txt".
std::string ErrorLogFileName(const DateTime& moment);

}  // namespace zrx
