#pragma once
// The player's typed lines. In script mode (a script file, or input that is not a
// terminal) every line read is echoed after its prompt, so the output reads as a
// transcript, and lines beginning with "#" are comments.
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace zrx {

class LineInput {
 public:
  LineInput(std::istream& in, std::ostream& out, bool script) : in_(in), out_(out), script_(script) {}

  // Shows the prompt and reads one line (without its line end); nullopt at the end of input.
  std::optional<std::string> next(const std::string& prompt);
  bool script() const { return script_; }
  // A transcript also receives the lines typed at the terminal, which the screen shows already.
  void setTranscript(std::ostream* transcript) { transcript_ = transcript; }

 private:
  std::istream& in_;
  std::ostream& out_;
  bool script_;
  std::ostream* transcript_ = nullptr;
};

// The text without blanks at either end.
std::string Trim(const std::string& text);

}  // namespace zrx
