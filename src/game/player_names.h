#pragma once
// The player names and the settings line as the windows use them: the welcome window
// reads them and records the name a player signs in with; the settings window reads them,
// records a new name and/or the settings, and deletes names. Every operation answers with
// the error code that its window reports (0: none), from that window's table.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
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

// The file that holds the names block, as error lines name it.
inline constexpr std::string_view kNamesFile = "Source/Data0.zrx";

// Checks a typed name; on acceptance `name` holds it, cut to the field's length and trimmed.
NameVerdict CheckPlayerName(const std::string& typed, std::string& name);

// The notices (two lines each) that a refused name gets, in order.
std::vector<std::pair<std::string, std::string>> NameNotices(NameVerdict verdict);

// Which window reads the names: each has its own error codes.
enum class NamesReader { Welcome, Settings };

class PlayerNames {
 public:
  PlayerNames(std::filesystem::path programFolder, const Clock& clock);
  ~PlayerNames();
  PlayerNames(const PlayerNames&) = delete;
  PlayerNames& operator=(const PlayerNames&) = delete;

  // Reads the names (newest first) and the settings line; 0 or the error code to report.
  int ReadNames(NamesReader reader = NamesReader::Welcome);
  const std::vector<std::string>& names() const { return names_; }
  const std::string& settingsLine() const;

  // Records the accepted name as the current player at sign-in; 0 or the error code.
  int Record(const std::string& name);

  // The settings window's save: records `name` when it is not empty, the settings line when
  // it is not empty, or both; 0 or the error code.
  int Save(const std::string& name, const std::string& settingsLine);

  // Deletes a recorded name; 0 or the error code.
  int Delete(const std::string& name);

 private:
  std::unique_ptr<NamesBlock> block_;
  std::vector<std::string> names_;
};

}  // namespace zrx
