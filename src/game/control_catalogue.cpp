#include "control_catalogue.h"

#include <map>

#include "screen_model.h"

namespace zrx {
namespace {

using Kind = ControlKind;

constexpr int kStory = 0, kSheet = 1, kEquipment = 2, kTests = 3, kInformation = 4, kMagic = 5;

void addWindow(std::vector<ControlEntry>& table) {
  for (const char* state : {"ApplicationTitle", "PageControl1", "TimerAlarm"}) {
    table.push_back({state, kWindowWide, Kind::State, "", ""});
  }
  for (const char* command : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "LabelMenu13", "LabelMenu14"}) {
    table.push_back({command, kWindowWide, Kind::Command, "", ""});
  }
  for (const char* shortcut : {"LabelMenuGyors13", "LabelMenuGyors14"}) {
    table.push_back({shortcut, kWindowWide, Kind::Part, "", ""});
  }
}

void addStory(std::vector<ControlEntry>& table) {
  table.push_back({"LabelTortenetNev", kStory, Kind::Text, "Történet", ""});
  // The chapter head, its text and the continuations are told by the story's own lines.
  for (const char* part : {"LabelFPont", "RichEdit1", "ListBoxNext", "EditNext", "Image1", "LabelLehetosegek", "NyilRajz"}) {
    table.push_back({part, kStory, Kind::Part, "", ""});
  }
  table.push_back({"LabelNext1", kStory, Kind::Text, "Jelölés", ""});
  table.push_back({"LabelNext2", kStory, Kind::Text, "Jelölés", ""});
  table.push_back({"LabelNext", kStory, Kind::Command, "", ""});
}

void addSheet(std::vector<ControlEntry>& table) {
  table.push_back({"LabelNehezsegiFokozat", kSheet, Kind::Text, "Nehézségi fokozat", ""});
  table.push_back({"LabelSzint", kSheet, Kind::Text, "Szint", ""});
  for (const auto& [name, caption] : {std::pair{"LabelSkillTextStart", "Kezdeti Ügyesség"},
                                      std::pair{"LabelSkillTextNow", "Ügyesség"},
                                      std::pair{"LabelStaminaTextStart", "Kezdeti Életerő"},
                                      std::pair{"LabelStaminaTextNow", "Életerő"},
                                      std::pair{"LabelLuckTextStart", "Kezdeti Szerencse"},
                                      std::pair{"LabelLuckTextNow", "Szerencse"}}) {
    table.push_back({name, kSheet, Kind::Text, caption, ""});
  }
  // A special characteristic's value is named by the label that holds its name.
  for (int slot = 1; slot <= 4; ++slot) {
    const std::string base = "LabelBV" + std::to_string(slot);
    table.push_back({base + "TextStart", kSheet, Kind::Text, "", base + "Start"});
    table.push_back({base + "TextNow", kSheet, Kind::Text, "", base + "Now"});
    table.push_back({base + "Start", kSheet, Kind::Part, "", ""});
    table.push_back({base + "Now", kSheet, Kind::Part, "", ""});
  }
  table.push_back({"MemoFP", kSheet, Kind::Lines, "Bejárt út", ""});
}

void addEquipment(std::vector<ControlEntry>& table) {
  table.push_back({"ListBox_FT", kEquipment, Kind::NumberedList, "Felszerelési tárgyak", ""});
  table.push_back({"MemoFT_Leir", kEquipment, Kind::Lines, "Tárgy leírása", ""});
  table.push_back({"GroupBox1", kEquipment, Kind::Text, "Választás", ""});
  table.push_back({"FT_LabelFejlec1", kEquipment, Kind::Text, "Választás", ""});
  // Choice boxes and quantity rows are told a row at a time.
  for (int n = 1; n <= kQuantityRows; ++n) {
    table.push_back({"FT_LabelTNev" + TwoDigits(n), kEquipment, Kind::Part, "", ""});
    table.push_back({"FT_LabelDB" + TwoDigits(n), kEquipment, Kind::Part, "", ""});
  }
  table.push_back({"LabelAr0", kEquipment, Kind::Text, "Ár", ""});
  for (int n = 1; n <= kChoiceBoxes; ++n) {
    table.push_back({"LabelAr" + std::to_string(n), kEquipment, Kind::Part, "", ""});
    table.push_back({"CheckBox" + std::to_string(n), kEquipment, Kind::Part, "", ""});
  }
  for (int n = 1; n <= kQuantityRows; ++n) table.push_back({"FT_SpinButton" + TwoDigits(n), kEquipment, Kind::Command, "", ""});
  for (const char* command : {"LabelTargyKivalasztas", "LabelTargyFelvetel"}) {
    table.push_back({command, kEquipment, Kind::Command, "", ""});
  }
  table.push_back({"FT_Elrendezes", kEquipment, Kind::State, "", ""});
}

// The battle panel: opponents' rows, the player's row, the result lines. A value is named
// by its row and the label beside it ("Ügyesség", "Támadóerő"...). The first opponent's row
// shows Életerő, the others of a group show their roll.
void addBattlePanel(std::vector<ControlEntry>& table) {
  for (int row = 1; row <= 3; ++row) {
    const std::string r = std::to_string(row);
    table.push_back({"LabelSzornyNev" + r, kTests, Kind::Text, "Ellenfél " + r, ""});
    for (const char* part : {"Ugyesseg", row == 1 ? "Eletero" : "Dobas", "Tamadoero"}) {
      const std::string title = std::string("LabelSzorny") + part + "Cim" + r;
      table.push_back({std::string("LabelSzorny") + part + r, kTests, Kind::Text, "Ellenfél " + r + " ", title});
      table.push_back({title, kTests, Kind::Part, "", ""});
    }
  }
  for (const char* part : {"Ugyesseg", "Eletero", "Tamadoero"}) {
    const std::string title = std::string("LabelJatekos") + part + "Cim";
    table.push_back({std::string("LabelJatekos") + part, kTests, Kind::Text, "Te ", title});
    table.push_back({title, kTests, Kind::Part, "", ""});
  }
  for (const char* result : {"LabelEredmeny1", "LabelEredmeny2", "LabelEredmeny3"}) {
    table.push_back({result, kTests, Kind::Text, "Eredmény", ""});
  }
}

void addTests(std::vector<ControlEntry>& table) {
  for (int n = 1; n <= 4; ++n) {
    table.push_back({"DK" + std::to_string(n) + "EredmenyLabel", kTests, Kind::Text,
                     "Dobás " + std::to_string(n) + " kockával, eredmény", ""});
  }
  table.push_back({"LabelSZPErtek", kTests, Kind::Text, "Szerencse értéke", ""});
  table.push_back({"LabelSZPEredmenyErtek", kTests, Kind::Text, "Szerencse próba eredménye", ""});
  addBattlePanel(table);
  // Dice faces: three slots for one die, then one per die.
  for (const auto& [n, slots] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 4}}) {
    for (int k = 1; k <= slots; ++k) {
      table.push_back({"ImageDE" + std::to_string(n) + std::to_string(k), kTests, Kind::Part, "", ""});
    }
  }
  for (int n = 1; n <= 4; ++n) table.push_back({"LabelDobas" + std::to_string(n) + "Kocka", kTests, Kind::Command, "", ""});
  for (const char* command : {"LabelSzProba", "LabelMenekules", "LabelSpecFegyver", "BitBtn5"}) {
    table.push_back({command, kTests, Kind::Command, "", ""});
  }
}

void addKnowledge(std::vector<ControlEntry>& table) {
  table.push_back({"ListBox_IN", kInformation, Kind::NumberedList, "Információk", ""});
  table.push_back({"MemoIN_Leir", kInformation, Kind::Lines, "Információ leírása", ""});
  table.push_back({"Memo_SI", kInformation, Kind::Lines, "Saját információ", ""});
  table.push_back({"SpinEditINFO", kInformation, Kind::Part, "", ""});
  for (const char* command : {"LabelSajatInfoBeir", "LabelSajatInfoMegjelenit"}) {
    table.push_back({command, kInformation, Kind::Command, "", ""});
  }
  table.push_back({"ListBox_VK", kMagic, Kind::NumberedList, "Varázslatok - Képességek", ""});
  table.push_back({"MemoVK_Leir", kMagic, Kind::Lines, "Leírás", ""});
}

std::vector<ControlEntry> buildCatalogue() {
  std::vector<ControlEntry> table;
  addStory(table);
  addSheet(table);
  addEquipment(table);
  addTests(table);
  addKnowledge(table);
  addWindow(table);
  return table;
}

}  // namespace

const std::vector<ControlEntry>& ControlCatalogue() {
  static const std::vector<ControlEntry> catalogue = buildCatalogue();
  return catalogue;
}

const ControlEntry* FindControlEntry(std::string_view name) {
  static const std::map<std::string, const ControlEntry*, std::less<>> byName = [] {
    std::map<std::string, const ControlEntry*, std::less<>> index;
    for (const ControlEntry& entry : ControlCatalogue()) index.emplace(entry.name, &entry);
    return index;
  }();
  const auto it = byName.find(name);
  return it == byName.end() ? nullptr : it->second;
}

}  // namespace zrx
