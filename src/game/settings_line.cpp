#include "settings_line.h"

namespace zrx {

void ApplySettingsLine(const std::string& line, GameSettings& settings) {
  const auto digit = [&line](std::size_t position) { return position < line.size() ? line[position] - '0' : 0; };
  settings.ChangeSignalLevel = digit(0);
  settings.SaveInterval = digit(2) * 10 + 3;
  settings.StepLogging = line.size() >= 10 && line[9] == '0';
}

}  // namespace zrx
