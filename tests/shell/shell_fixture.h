#pragma once
// A program over a temporary folder with a freshly written "Source" package, for the
// window tests.
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "start/program.h"
#include "temp_folder.h"

namespace zrx::test {

// Defaults but without the fade-in and the pointer centring, which tests do not wait for.
inline const std::string kQuietSettings = "1010000110";

class ShellFixture {
 public:
  // `settingsLine` is stored in the names block; `names` are recorded in this order.
  explicit ShellFixture(const std::string& settingsLine = kQuietSettings, const std::vector<std::string>& names = {});
  ~ShellFixture();

  const std::filesystem::path& folder() const { return folder_; }
  Program& program() { return *program_; }

 private:
  TempFolder temp_;
  std::filesystem::path folder_;
  std::unique_ptr<Program> program_;
};

// Runs `answer` on the next modal window that opens (a question, a notice, the quit
// confirmation), from the event loop, while the caller waits in the window's exec().
void WhenModalOpens(std::function<void(QWidget&)> answer);

// Clicks the button of the open modal window whose text is `caption`.
void AnswerModal(const QString& caption);

}  // namespace zrx::test
