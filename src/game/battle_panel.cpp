#include "battle_panel.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "screen_model.h"

namespace zrx {
namespace {

constexpr std::array<const char*, 6> kRowOneParts = {"Nev", "Ugyesseg", "Eletero", "Tamadoero",
                                                      "UgyessegCim", "EleteroCim"};
constexpr std::array<const char*, 5> kGroupRowParts = {"Nev", "Ugyesseg", "Dobas", "Tamadoero",
                                                        "DobasCim"};

Control& added(BattlePanel::ControlTable& controls, const std::string& name) {
  return controls[name];
}

}  // namespace

BattlePanel::BattlePanel(ControlTable& controls)
    : LabelJatekosUgyesseg(added(controls, "LabelJatekosUgyesseg")),
      LabelJatekosEletero(added(controls, "LabelJatekosEletero")),
      LabelJatekosTamadoero(added(controls, "LabelJatekosTamadoero")),
      LabelJatekosUgyessegCim(added(controls, "LabelJatekosUgyessegCim")),
      LabelJatekosEleteroCim(added(controls, "LabelJatekosEleteroCim")),
      LabelJatekosTamadoeroCim(added(controls, "LabelJatekosTamadoeroCim")),
      LabelEredmeny1(added(controls, "LabelEredmeny1")),
      LabelEredmeny2(added(controls, "LabelEredmeny2")),
      LabelEredmeny3(added(controls, "LabelEredmeny3")),
      controls_(controls) {
  for (const char* part : kRowOneParts) added(controls, std::string("LabelSzorny") + part + "1");
  for (int row = 2; row <= 3; ++row) {
    for (const char* part : kGroupRowParts) added(controls, std::string("LabelSzorny") + part + std::to_string(row));
    added(controls, "LabelSzornyUgyessegCim" + std::to_string(row));
  }
  for (int row = 1; row <= 3; ++row) added(controls, "LabelSzornyTamadoeroCim" + std::to_string(row));
  // Until a battle is set up the panel is empty and its actions cannot be used.
  for (auto& [name, control] : controls) {
    if (name.starts_with("LabelSzorny") || name.starts_with("LabelJatekos") || name.starts_with("LabelEredmeny")) {
      control.setVisible(false);
    }
  }
  for (const char* action : {"BitBtn5", "LabelMenekules", "LabelSpecFegyver"}) {
    Control& control = controls.at(action);
    control.setEnabled(false);
    control.setVisible(std::string_view(action) == "BitBtn5");
  }
}

Control& BattlePanel::Szorny(int row, const std::string& part) {
  auto it = controls_.find("LabelSzorny" + part + std::to_string(row));
  if (it == controls_.end()) throw std::out_of_range("no battle panel control " + part + std::to_string(row));
  return it->second;
}

}  // namespace zrx
