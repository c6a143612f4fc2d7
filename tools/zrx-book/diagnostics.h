#pragma once
// Findings of the book checker, each tied to a file and a line of the source.
#include <ostream>
#include <string>
#include <vector>

namespace zrx::book {

enum class Severity { Error, Warning };

struct Diagnostic {
  Severity severity = Severity::Error;
  std::string file;
  int line = 0;  // 1-based; 0 when the finding concerns the file as a whole
  std::string message;
};

class Diagnostics {
 public:
  void error(const std::string& file, int line, std::string message);
  void warning(const std::string& file, int line, std::string message);
  // Strict: every later warning is recorded as an error (zrx-book --strict).
  void setStrict(bool strict) { strict_ = strict; }

  const std::vector<Diagnostic>& all() const { return items_; }
  int errorCount() const;
  int warningCount() const;

  // "file:line: error: message", one per line.
  void print(std::ostream& out) const;

 private:
  std::vector<Diagnostic> items_;
  bool strict_ = false;
};

}  // namespace zrx::book
