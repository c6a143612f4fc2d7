#pragma once
// The ten option groups of the settings window, one per digit of the settings line, with
// their captions; the default option of each is marked "(alap)".
#include <QString>
#include <QStringList>
#include <array>

class QButtonGroup;
class QGroupBox;
class QWidget;

namespace zrx {

struct SettingsGroup {
  const char* label;
  QStringList options;
};

// In digit order (digit 1 first).
const std::array<SettingsGroup, 10>& SettingsGroups();

// The two panels: "Játék vezérlés" holds digits 1, 2, 3, 10; "Megjelenés" digits 4 to 9
// (indexes into SettingsGroups()).
inline constexpr std::array<int, 4> kControlPanelDigits = {0, 1, 2, 9};
inline constexpr std::array<int, 6> kLookPanelDigits = {3, 4, 5, 6, 7, 8};

// A group box of radio buttons for one digit; the buttons' ids are the option indexes.
QGroupBox* MakeSettingsGroup(int digit, QButtonGroup*& buttons, QWidget* parent);

}  // namespace zrx
