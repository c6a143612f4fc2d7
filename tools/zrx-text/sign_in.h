#pragma once
// Sign-in under a player name, as the welcome window does it: the known names and the
// settings line are read from the names block, a typed name is checked, and the accepted
// name is recorded. Results are the error codes the welcome window reports (0: none).
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zrx {

class Clock;
class NamesBlock;

enum class NameVerdict { Empty, Forbidden, NotWritable, Accepted };

// The longest player name; the name field takes no more characters.
inline constexpr std::size_t kPlayerNameMax = 20;
// The code of a names file that cannot be read (vital-file category), also given when
// the system lacks the Windows-1250 converter that every file of the program needs.
inline constexpr int kNoCodePageCode = 1;

// Checks a typed name; on acceptance `name` holds it, cut to the field's length and trimmed.
NameVerdict CheckPlayerName(const std::string& typed, std::string& name);

// The notices (two lines each) that a refused name gets, in order.
std::vector<std::pair<std::string, std::string>> NameNotices(NameVerdict verdict);

class SignIn {
 public:
  SignIn(std::filesystem::path programFolder, const Clock& clock);
  ~SignIn();
  SignIn(const SignIn&) = delete;
  SignIn& operator=(const SignIn&) = delete;

  // Reads the names and the settings line; 0 or the error code to report.
  int ReadNames();
  const std::vector<std::string>& names() const { return names_; }
  const std::string& settingsLine() const;

  // Records the accepted name as the current player; 0 or the error code to report.
  int Record(const std::string& name);

 private:
  std::unique_ptr<NamesBlock> block_;
  std::vector<std::string> names_;
};

}  // namespace zrx
