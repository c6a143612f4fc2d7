#pragma once
// The error state behind the error window: reported codes become lines of text, the
// window's close interval grows with their number, and closing writes them to a log file.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"

namespace zrx {

class ErrorLog {
 public:
  // Reports one error: adds its line (when the code has a category) and counts it.
  // `file` names the file at fault, relative to the program folder, when one is known.
  void HibaHozzairas(int code, std::string_view file = {});

  // True once any error has been reported; the program stops its operation and ends.
  bool FatalErrorFlag() const { return counter_ > 0; }
  int counter() const { return counter_; }
  const std::vector<std::string>& lines() const { return lines_; }
  // Every reported code, in order, those without a line included.
  const std::vector<int>& codes() const { return codes_; }

  // How long the error window stays up: 10 s plus 4 s for every two reported errors.
  int closeIntervalMs() const;

  // Writes the lines to "Other/HibaLog_(<short date>).txt" in the program folder, in
  // UTF-8 like every text the platform shows. Returns false when the file could not be written (not reported further).
  bool writeLogFile(const std::filesystem::path& programFolder, const DateTime& moment) const;

 private:
  std::vector<std::string> lines_;
  std::vector<int> codes_;
  int counter_ = 0;
};

// One row of a caller's table that turns a file routine's negative result into an error code.
struct ResultCode {
  int result;
  int code;
};

// Reports the error code that `table` gives for `result`. Returns false when the table
// has no row for it (a 0 result, or a result the caller does not expect).
bool ReportResult(ErrorLog& errors, std::span<const ResultCode> table, int result,
                  std::string_view file = {});

// "HIBA " + code text + the category's two parts; empty for a code without a category.
std::string ErrorLine(int code);

// The line the error window shows: ErrorLine, without the advice to reinstall for the
// player's own files (saved games), which a reinstall never replaces, and followed by
// the file at fault when it is known. Empty for a code without a category.
std::string ReportedErrorLine(int code, std::string_view file);

// The code as the lines write it: four digits for codes below 1000.
std::string ErrorCodeText(int code);

// The log file name for a moment: "HibaLog_(" + short date + ").txt".
std::string ErrorLogFileName(const DateTime& moment);

}  // namespace zrx
