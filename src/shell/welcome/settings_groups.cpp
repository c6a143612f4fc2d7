#include "welcome/settings_groups.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "style/look_colours.h"
#include "style/look_style_sheet.h"

namespace zrx {

const std::array<SettingsGroup, 10>& SettingsGroups() {
  static const std::array<SettingsGroup, 10> kGroups = {{
      {"Változás jelzés",
       {"A játékost igénylő változások jelzése", "Beavatkozásra váró változások jelzése (alap)",
        "Minden változás jelzése"}},
      {"Üzenet küldés", {"Üzenetek küldése változások esetén (alap)", "Ne küldjön üzeneteket"}},
      {"Mentés köz", {"Nincs", "10 FejezetPont (alap)", "20 FejezetPont"}},
      {"Szövegméret", {"Normál méret (alap)", "Nagy méret"}},
      {"Szövegszín", {"Fekete (alap)", "Kék", "Zöld", "Piros", "Cián", "Bíbor", "Sárga", "Nagy kontraszt"}},
      {"Ablakok igazítása", {"Képernyő közepére igazítás (alap)", "Főablak közepére igazítás"}},
      {"Kurzorok használata", {"Saját kurzorok használata (alap)", "Windows kurzorok használata"}},
      {"Áttűnés effektus", {"Áttűnés effektus használata (alap)", "Áttűnés effektus tiltása"}},
      {"Egérkövetés", {"A kurzor az ablak közepére ugorjon (alap)", "A kurzor ne ugorjon az ablak közepére"}},
      {"Bejárt út mentése", {"A bejárt út automatikus mentése (alap)", "Ne mentse a bejárt pontok listáját"}},
  }};
  return kGroups;
}

QGroupBox* MakeSettingsGroup(int digit, QButtonGroup*& buttons, QWidget* parent) {
  const SettingsGroup& group = SettingsGroups()[static_cast<std::size_t>(digit)];
  auto* box = new QGroupBox(group.label, parent);
  box->setObjectName(QString("GroupBox%1").arg(digit + 1));
  // The platform draws an unchosen option's circle in a shade of the body: on black it
  // vanishes, so high contrast draws its own circles, and the focused option in yellow.
  SetLookStyleSheet(*box, [](const LookColours& look) {
    if (!look.highContrast) return QString();
    return QString("QGroupBox, QRadioButton { color: %1; }"
                   "QRadioButton::indicator { width: 10px; height: 10px; border: 2px solid %1; border-radius: 7px;"
                   " background: %2; }"
                   "QRadioButton::indicator:checked { background: %3; }"
                   "QRadioButton:focus { color: %3; }")
        .arg(look.text.name(), look.body.name(), look.focus.name());
  });
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(1);
  buttons = new QButtonGroup(box);
  for (int i = 0; i < group.options.size(); ++i) {
    auto* option = new QRadioButton(group.options[i], box);
    option->setObjectName(QString("RadioButton%1_%2").arg(digit + 1).arg(i));
    option->setAccessibleDescription(QString(group.label) + ": " + group.options[i]);
    buttons->addButton(option, i);
    layout->addWidget(option);
  }
  return box;
}

}  // namespace zrx
