#include "settings_line.h"

namespace zrx {

SettingsLine SettingsLine::Parse(std::string_view line) {
  SettingsLine parsed;
  for (std::size_t i = 0; i < kSettingsDigits && i < line.size(); ++i) {
    const int digit = line[i] - '0';
    if (digit >= 0 && digit < kSettingsOptionCounts[i]) parsed.digits[i] = digit;
  }
  return parsed;
}

std::string SettingsLine::text() const {
  std::string line;
  for (const int digit : digits) line += static_cast<char>('0' + digit);
  return line;
}

void ApplySettings(const SettingsLine& line, GameSettings& settings) {
  settings.ChangeSignalLevel = line.changeSignalLevel();
  settings.SaveInterval = line.saveInterval();
  settings.StepLogging = line.stepLogging();
}

}  // namespace zrx
