#include "record_reads.h"

#include <cctype>

namespace zrx::book {

RecordReads ReadsOfChapters(const std::vector<TChapterRec>& chapters, const std::vector<TMonsterRec>& opponents) {
  RecordReads reads;
  BookIndex index;
  index.reads = &reads;
  Diagnostics ignored;  // the book was checked when it was compiled
  for (const TChapterRec& chapter : chapters) {
    CodeCheck conditions(index, ignored, "", 0, "Conditions");
    CheckConditions(chapter, conditions);
    CheckSpecialChanges(chapter, SourceLines{}, index, ignored, "");
  }
  for (const TMonsterRec& opponent : opponents) {
    const std::string& weapon = opponent.SpecialWeapon;
    if (weapon.size() >= 3 && std::isdigit(static_cast<unsigned char>(weapon[0])) &&
        std::isdigit(static_cast<unsigned char>(weapon[1])) && std::isdigit(static_cast<unsigned char>(weapon[2]))) {
      reads.items.insert(std::stoi(weapon.substr(0, 3)));
    }
  }
  return reads;
}

}  // namespace zrx::book
