#include "characteristics.h"

#include <array>

#include "book_code.h"

namespace zrx {
namespace {

constexpr std::array<const char*, 4> kSlotParts = {"Start", "TextStart", "Now", "TextNow"};

// The bonus of "Könnyű": a value at or below the threshold gets the bonus.
int easyBonus(int value, int threshold, int bonus) { return value <= threshold ? value + bonus : value; }

}  // namespace

void Characteristics::AlapErtekModositas(int number, int selector, int value) {
  game_.stores.baseValues.Set(number, selector, value);
}

void Characteristics::AlapErtekInicializalas(int number, bool restore, int current, int start, int minimum) {
  if (restore) {
    AlapErtekModositas(number, 1, current);
    AlapErtekModositas(number, 2, start);
    AlapErtekModositas(number, 3, minimum);
    return;
  }
  const TBaseValueRec rec = game_.stores.baseValues.Find(number);
  // The sum of Dice dice, one at a time, so that a record may ask for more than four.
  int roll = rec.Bonus;
  for (int i = 0; i < rec.Dice; ++i) roll += game_.KockaDobas(1, false, rec.Name);
  AlapErtekModositas(number, 1, rec.CountsUp == 1 ? 0 : roll);
  AlapErtekModositas(number, 2, roll);
  AlapErtekModositas(number, 3, 0);
}

void Characteristics::AlapErtekValtoztatas(int number, int selector, char op, int amount) {
  const TBaseValueRec rec = game_.stores.baseValues.Find(number);
  int old = 0;
  switch (selector) {
    case 1: old = rec.Current; break;
    case 2: old = rec.Start; break;
    case 3: old = rec.Minimum; break;
    default: return;
  }
  int value = 0;
  switch (op) {
    case '+': value = old + amount; break;
    case '-': value = old - amount; break;
    case '=': value = amount; break;
    default: break;
  }
  AlapErtekModositas(number, selector, value);
}

bool Characteristics::AlapErtekEllenorzes(int number) {
  const TBaseValueRec rec = game_.stores.baseValues.Find(number);
  const int cur = rec.Current;
  bool result = true;
  if (rec.Start <= cur) {
    if (rec.CountsUp == 1 && rec.LimitFatal == 1) {
      result = false;
    } else {
      AlapErtekModositas(number, 1, rec.Start);
      result = true;
    }
  }
  if (rec.Minimum >= cur) {
    if (rec.CountsUp == 0 && rec.LimitFatal == 1) {
      result = false;
    } else {
      AlapErtekModositas(number, 1, rec.Minimum);
      result = true;
    }
  }
  return result;
}

void Characteristics::FoAlapErtekFrissites() {
  const MainValues& v = game_.state.values;
  const std::array<std::array<int, 3>, 3> rows = {{{v.Skill, v.SkillStart, v.SkillMin},
                                                   {v.Stamina, v.StaminaStart, v.StaminaMin},
                                                   {v.Luck, v.LuckStart, v.LuckMin}}};
  for (int number = 1; number <= 3; ++number) {
    for (int selector = 1; selector <= 3; ++selector) {
      AlapErtekModositas(number, selector, rows[number - 1][selector - 1]);
    }
  }
}

void Characteristics::FoAlapErtekVisszaIras() {
  MainValues& v = game_.state.values;
  const auto read = [&](int number, int& current, int& start, int& minimum) {
    const TBaseValueRec rec = game_.stores.baseValues.Find(number);
    current = rec.Current;
    start = rec.Start;
    minimum = rec.Minimum;
  };
  read(1, v.Skill, v.SkillStart, v.SkillMin);
  read(2, v.Stamina, v.StaminaStart, v.StaminaMin);
  read(3, v.Luck, v.LuckStart, v.LuckMin);
  ScreenModel& s = game_.screen;
  s.LabelSkillTextStart.setText(std::to_string(v.SkillStart));
  s.LabelSkillTextNow.setText(std::to_string(v.Skill));
  s.LabelStaminaTextStart.setText(std::to_string(v.StaminaStart));
  s.LabelStaminaTextNow.setText(std::to_string(v.Stamina));
  s.LabelLuckTextStart.setText(std::to_string(v.LuckStart));
  s.LabelLuckTextNow.setText(std::to_string(v.Luck));
}

void Characteristics::SpecAlapErtekVisszaIras() {
  for (int slot = 1; slot <= game_.state.CurrentBook.SpecialValueCount && slot <= 4; ++slot) {
    const TBaseValueRec rec = game_.stores.baseValues.Find(specialSlotNumber(slot));
    game_.screen.LabelBV(slot, "TextNow").setText(std::to_string(rec.Current));
    game_.screen.LabelBV(slot, "TextStart").setText(std::to_string(rec.Start));
  }
}

void Characteristics::rollMainCharacteristics() {
  MainValues& v = game_.state.values;
  v.Skill = game_.KockaDobas(1, false, "Ügyesség") + 6;
  v.Stamina = game_.KockaDobas(2, false, "Életerő") + 12;
  v.Luck = game_.KockaDobas(1, false, "Szerencse") + 6;
  if (game_.state.Difficulty == 0) {
    v.Skill = easyBonus(v.Skill, 9, 3);
    v.Stamina = easyBonus(v.Stamina, 19, 5);
    v.Luck = easyBonus(v.Luck, 9, 3);
  }
}

void Characteristics::ErtekInicializalas() {
  MainValues& v = game_.state.values;
  v.SkillStart = v.Skill;
  v.StaminaStart = v.Stamina;
  v.LuckStart = v.Luck;
  v.SkillMin = v.StaminaMin = v.LuckMin = 0;
  FoAlapErtekFrissites();
  FoAlapErtekVisszaIras();
  for (int slot = 1; slot <= game_.state.CurrentBook.SpecialValueCount && slot <= 4; ++slot) {
    AlapErtekInicializalas(specialSlotNumber(slot), false);
    ErtekKiiras(slot);
  }
}

void Characteristics::ErtekKiiras(int slot) {
  const TBaseValueRec rec = game_.stores.baseValues.Find(specialSlotNumber(slot));
  ScreenModel& s = game_.screen;
  // A value that counts up starts at 0; showing Current keeps a restored game's value right.
  s.LabelBV(slot, "TextNow").setText(std::to_string(rec.Current));
  s.LabelBV(slot, "Start").setText((rec.CountsUp == 1 ? "Maximum " : "Kezdeti ") + rec.Name);
  s.LabelBV(slot, "TextStart").setText(std::to_string(rec.Start));
  s.LabelBV(slot, "Now").setText("Aktuális " + rec.Name);
  for (const char* part : kSlotParts) s.LabelBV(slot, part).setVisible(true);
}

void Characteristics::ErtekInicializalasBetoltes(const std::string& text, int index) {
  // number "|" minimum "|" start "|" current
  std::array<std::string, 4> fields;
  std::size_t from = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t bar = text.find('|', from);
    if (bar == std::string::npos) throw BookCodeError(text, text.size() + 1, "hiányzó \"|\"");
    fields[i] = text.substr(from, bar - from);
    from = bar + 1;
  }
  fields[3] = text.substr(from);
  const int number = numberOf(fields[0]);
  const int minimum = numberOf(fields[1]);
  const int start = numberOf(fields[2]);
  const int current = numberOf(fields[3]);

  MainValues& v = game_.state.values;
  if (number >= 1 && number <= 3) {
    int& mainStart = number == 1 ? v.SkillStart : number == 2 ? v.StaminaStart : v.LuckStart;
    int& mainCurrent = number == 1 ? v.Skill : number == 2 ? v.Stamina : v.Luck;
    mainStart = start;
    mainCurrent = current;
  }
  AlapErtekInicializalas(number, true, current, start, minimum);
  if (number >= 1 && number <= 3) FoAlapErtekVisszaIras();
  if (index >= 4) {
    const int slot = index - 3;
    if (slot <= game_.state.CurrentBook.SpecialValueCount && slot <= 4 && specialSlotNumber(slot) == number) {
      ErtekKiiras(slot);
    }
  }
}

int Characteristics::specialSlotNumber(int slot) const {
  return numberAt(game_.state.CurrentBook.SpecialValueCodes, static_cast<std::size_t>(2 * slot - 1), 2);
}

void Characteristics::clearDisplay() {
  for (int slot = 1; slot <= 4; ++slot) {
    for (const char* part : kSlotParts) game_.screen.LabelBV(slot, part).setVisible(false);
  }
  ScreenModel& s = game_.screen;
  for (Control* label : {&s.LabelSkillTextStart, &s.LabelSkillTextNow, &s.LabelStaminaTextStart,
                         &s.LabelStaminaTextNow, &s.LabelLuckTextStart, &s.LabelLuckTextNow}) {
    label->setText("");
  }
}

}  // namespace zrx
