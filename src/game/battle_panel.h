#pragma once
// The battle panel of the tests-and-battles page: the current opponent's row, the rows
// of the second and third opponent of a group, the player's row, and the two result
// lines. The actions ("Harc" BitBtn5, "Menekülés", "Speciális Fegyver") and the
// luck-test panel are controls of ScreenModel itself.
//
// Row 1 is the current opponent (name, skill, life, attack strength); rows 2 and 3 are
// the other opponents of a group (name, skill, roll, attack strength). The caption
// controls carry the names of the battle's characteristics ("Ügyesség", "Életerő", or
// the names that the opponent's BattleValueCodes choose).
#include <functional>
#include <map>
#include <string>

namespace zrx {

class Control;

class BattlePanel {
 public:
  using ControlTable = std::map<std::string, Control, std::less<>>;
  // Adds the panel's controls to the window's table of controls, hidden, and puts the
  // battle's actions (which the table must hold already) in their idle state.
  explicit BattlePanel(ControlTable& controls);
  BattlePanel(const BattlePanel&) = delete;
  BattlePanel& operator=(const BattlePanel&) = delete;

  // Row of opponent 1..3: "LabelSzorny" + part + row.
  // part: "Nev", "Ugyesseg", "Eletero" (row 1), "Dobas" (rows 2, 3), "Tamadoero",
  // "UgyessegCim", "EleteroCim" (row 1), "DobasCim" (rows 2, 3), "TamadoeroCim".
  Control& Szorny(int row, const std::string& part);

  Control& LabelJatekosUgyesseg;
  Control& LabelJatekosEletero;
  Control& LabelJatekosTamadoero;
  Control& LabelJatekosUgyessegCim;
  Control& LabelJatekosEleteroCim;
  Control& LabelJatekosTamadoeroCim;
  Control& LabelEredmeny1;  // first result line
  Control& LabelEredmeny2;  // second result line
  Control& LabelEredmeny3;  // what the items in use changed in the round's wound (empty: nothing)

 private:
  ControlTable& controls_;
};

}  // namespace zrx
