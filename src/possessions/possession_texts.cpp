#include "possession_texts.h"

#include <array>

#include "win1250.h"

namespace zrx {
namespace {

constexpr std::string_view kSeparatorLine = " * * * * * * * * * * ";

void appendDescription(TextLines& lines, std::string_view description) {
  for (auto& line : descriptionLines(description)) lines.push_back(std::move(line));
}

}  // namespace

TextLines descriptionLines(std::string_view description) {
  if (description.empty()) return {"(nincs leírás)"};
  TextLines lines;
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

TextLines itemDetailLines(const TInventoryRec& item, bool inUse) {
  TextLines lines;
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

TextLines magicSkillDetailLines(const TMagicSkillRec& entry) {
  TextLines lines;
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

std::string composeOwnNote(const TextLines& inputLines) {
  std::string note;
  for (const auto& line : inputLines) note += " " + line;
  return note;
}

}  // namespace zrx
