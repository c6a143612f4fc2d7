#include "line_input.h"

namespace zrx {

std::optional<std::string> LineInput::next(const std::string& prompt) {
  out_ << prompt << std::flush;
  std::string line;
  for (;;) {
    if (!std::getline(in_, line)) {
      if (script_) out_ << '\n';
      return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!script_) {
      if (transcript_) *transcript_ << line << '\n';
      return line;
    }
    // A script's comment lines answer nothing; they are echoed and skipped.
    const bool comment = Trim(line).starts_with('#');
    out_ << line << '\n';
    if (!comment) return line;
    out_ << prompt;
  }
}

std::string Trim(const std::string& text) {
  const char* blanks = " \t";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace zrx
