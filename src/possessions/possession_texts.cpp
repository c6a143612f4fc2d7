#include "possession_texts.h"

#include <array>

#include "win1250.h"

namespace zrx {
namespace {

constexpr std::string_view kSeparatorLine = " * * * * * * * * * * ";

void appendDescription(TextList& lines, std::string_view description) {
  for (auto& line : descriptionLines(description)) lines.push_back(std::move(line));
}

}  // namespace

TextList descriptionLines(std::string_view description) {
  if (description.empty()) return {"(nincs leírás)"};
  TextList lines;
  for (auto hash = description.find('#'); hash != std::string_view::npos;
       hash = description.find('#')) {
    lines.emplace_back(description.substr(0, hash));
    description.remove_prefix(hash + 1);
  }
  lines.emplace_back(description);
  return lines;
}

std::string categoryText(int category) {
  static constexpr std::array<std::string_view, 9> kTexts = {
      "Pénz-kategóriájú Tárgy",     "Fegyver-kategóriájú Tárgy",
      "Pajzs-kategóriájú Tárgy",    "Öltözék-kategóriájú Tárgy",
      "Sisak-kategóriájú Tárgy",    "Lábbeli-kategóriájú Tárgy",
      "Kesztyű-kategóriájú Tárgy",  "Gyűrű/Ékszer-kategóriájú Tárgy",
      "Általános-kategóriájú Tárgy"};
  if (category < 0 || category >= static_cast<int>(kTexts.size())) return {};
  return std::string(kTexts[static_cast<std::size_t>(category)]);
}

TextList itemDetailLines(const TInventoryRec& item, bool inUse) {
  TextList lines;
  appendDescription(lines, item.Description);
  lines.emplace_back(kSeparatorLine);
  lines.push_back("DarabSzám: " + std::to_string(item.Count) +
                  " -- Pénzérték: " + std::to_string(item.Value));
  std::string category = categoryText(item.Category);
  if (item.Category >= 1 && item.Category <= 6 && inUse) category += " (használatban)";
  lines.push_back(std::move(category));
  lines.emplace_back(item.Unique == 1 ? "Egyedi Tárgy" : "Nem egyedi Tárgy");
  lines.emplace_back(item.Magic == 1 ? "Mágikus Tárgy" : "Nem mágikus Tárgy");
  lines.emplace_back(item.NotDroppable == 1 ? "Nem eldobható Tárgy" : "Eldobható Tárgy");
  return lines;
}

TextList magicSkillDetailLines(const TMagicSkillRec& entry) {
  TextList lines;
  appendDescription(lines, entry.Description);
  lines.emplace_back(kSeparatorLine);
  lines.emplace_back(entry.IsMagic == 1 ? "Varázslat" : "Képesség");
  lines.push_back("Aktuális Szint: " + std::to_string(entry.Level) +
                  " -- Maximális Szint: " + std::to_string(entry.MaxLevel));
  lines.push_back(entry.Uses != 0
                      ? "Felhasználhatóság: " + std::to_string(entry.Uses) + " Használat"
                      : std::string("Felhasználhatóság: Korlátlan"));
  return lines;
}

std::string switchQuestionSecondLine(std::string_view inUseName) {
  return "(\"" + Utf8Cut(inUseName, 25) + "(..)\" helyett)";
}

std::string composeOwnNote(const TextList& inputLines) {
  // A line break inside a line still separates lines: a saved game keeps each note on
  // one line of its file.
  std::string note;
  for (const auto& line : inputLines) {
    note += ' ';
    for (char c : line) {
      if (c == '\n') note += ' ';
      else if (c != '\r') note += c;
    }
  }
  return note;
}

}  // namespace zrx
