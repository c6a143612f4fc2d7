// The end of a battle: victory, an end without death, flight; death; the values
// written back; information that counts battles; the battle side of the page reset.
#include "battle.h"
#include "characteristics.h"
#include "lifecycle.h"
#include "navigation.h"

namespace zrx {
void Battle::CsataVege(BattleOutcome outcome) {
  BattleState& b = game_.state.battle;
  ScreenModel& s = game_.screen;
  BattlePanel& panel = s.battle;
  switch (outcome) {
    case BattleOutcome::Victory:
      panel.LabelEredmeny1.setText("Győztél! Válts a Történet fülre!");
      b.LastBattleWon = true;
      b.LuckInBattle = false;
      ++game_.state.tally.BattlesWon;
      break;
    case BattleOutcome::EndWithoutDeath:
      panel.LabelEredmeny1.setText("Csata vége...");
      b.LastBattleWon = false;
      b.LuckInBattle = false;
      ++game_.state.tally.BattlesLost;
      break;
    case BattleOutcome::Fled:
      panel.LabelEredmeny1.setText("Elmenekültél!");
      s.LabelMenekules.setColour(Colour::Navy);
      b.LastBattleWon = false;
      b.LastBattleFled = true;
      b.FlightLuckTest = false;
      ++game_.state.tally.BattlesFled;
      break;
  }
  b.RoundRollPending = false;
  b.BattleRunning = false;
  for (Control* field : {&panel.LabelEredmeny2, &panel.LabelEredmeny3, &panel.Szorny(1, "Ugyesseg"),
                         &panel.Szorny(1, "Eletero"), &panel.Szorny(1, "Tamadoero"), &panel.LabelJatekosUgyesseg,
                         &panel.LabelJatekosEletero, &panel.LabelJatekosTamadoero}) {
    field->setText("");
  }
  // The other opponents of a group leave with the battle: no old values stay on the panel.
  for (int row = 2; row <= 3; ++row) {
    for (const char* part : {"Nev", "Ugyesseg", "Dobas", "Tamadoero"}) panel.Szorny(row, part).setText("");
  }
  b.OpponentQueue.clear();
  setFightEnabled(false);
  s.BitBtn5.setText("Harc");
  for (Control* action : {&s.LabelMenekules, &s.LabelSpecFegyver, &s.LabelSzProba}) action->setEnabled(false);
  for (int n = 1; n <= 4; ++n) s.LabelDobasKocka(n).setEnabled(false);
  writeBackValues();
  if (game_.rehearsal) return;
  Navigation navigation(game_);
  navigation.ValtasBeallitas();
  navigation.TovabbLepesValasztas();
}

void Battle::writeBackValues() {
  Characteristics characteristics(game_);
  const MainValues& v = game_.state.values;
  if (!game_.state.battle.BattleValueCodes.empty()) {
    characteristics.AlapErtekModositas(skillNumber(), 1, v.Skill);
    characteristics.AlapErtekModositas(lifeNumber(), 1, v.Stamina);
    characteristics.AlapErtekModositas(3, 1, v.Luck);
    characteristics.SpecAlapErtekVisszaIras();
  } else {
    characteristics.FoAlapErtekFrissites();
  }
  characteristics.FoAlapErtekVisszaIras();
}

void Battle::playerDies() {
  const BattleState& b = game_.state.battle;
  if (b.CurrentOpponent.DeathMode == 1) {
    // A flight's own luck test leaves the end to the flight, which ends the battle as fled.
    if (!b.FlightLuckTest) CsataVege(BattleOutcome::EndWithoutDeath);
  } else {
    Halal();
  }
}

void Battle::Halal() {
  BattleState& b = game_.state.battle;
  ScreenModel& s = game_.screen;
  b.BattleRunning = false;
  setFightEnabled(false);
  s.LabelMenekules.setEnabled(false);
  s.LabelSzProba.setEnabled(false);
  b.LastBattleWon = false;
  ++game_.state.tally.BattlesLost;
  s.battle.LabelEredmeny1.setText("Meghaltál!");
  s.battle.LabelEredmeny2.setText("");
  Lifecycle(game_).HalalAblak();
}

void Battle::CsataPanelAlaphelyzet() {
  ScreenModel& s = game_.screen;
  for (const auto& [name, control] : s.all()) {
    if (name.starts_with("LabelSzorny") || name.starts_with("LabelJatekos") || name.starts_with("LabelEredmeny")) {
      Control& field = s.control(name);
      field.setText("");
      field.setVisible(false);
    }
  }
  setFightEnabled(false);
  s.BitBtn5.setText("Harc");
  s.BitBtn5.setValue(0);
  for (Control* action : {&s.LabelMenekules, &s.LabelSpecFegyver}) {
    action->setEnabled(false);
    action->setVisible(false);
  }
}

}  // namespace zrx
