#include "diagnostics.h"

#include <algorithm>

namespace zrx::book {

void Diagnostics::error(const std::string& file, int line, std::string message) {
  items_.push_back({Severity::Error, file, line, std::move(message)});
}

void Diagnostics::warning(const std::string& file, int line, std::string message) {
  items_.push_back({strict_ ? Severity::Error : Severity::Warning, file, line, std::move(message)});
}

int Diagnostics::errorCount() const {
  return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                        [](const Diagnostic& d) { return d.severity == Severity::Error; }));
}

int Diagnostics::warningCount() const { return static_cast<int>(items_.size()) - errorCount(); }

void Diagnostics::print(std::ostream& out) const {
  for (const Diagnostic& d : items_) {
    out << d.file << ':' << d.line << ": " << (d.severity == Severity::Error ? "error" : "warning") << ": "
        << d.message << '\n';
  }
}

}  // namespace zrx::book
