// The introductory adventure teaches the rules: every mechanic of the books
// appears in it at least once. This guards the book against losing one in an edit.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "linter.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

// Names for what each code of the book does: "cond:VT", "q1:O", "battle:R", "rule:2" ...
std::set<std::string> mechanicsOf(const SourceBook& book) {
  std::set<std::string> seen;
  for (const auto& c : book.chapters) {
    const TChapterRec& r = c.rec;
    if (r.Conditions.starts_with("X")) seen.insert("cond:X");
    for (const auto& group : split(r.Conditions, '#')) {
      for (const auto& item : split(group, ',')) {
        const bool twoLetters = std::string("FPVE").find(item[0]) != std::string::npos;
        seen.insert("cond:" + item.substr(0, twoLetters ? 2 : 1));
      }
    }
    for (const auto& change : split(r.SpecialChange1, '#')) seen.insert("q1:" + change.substr(change[2] == 'N' ? 2 : 3, 1));
    for (const auto& change : split(r.SpecialChange2, '#')) {
      if (change[2] == 'N') seen.insert("q2:N");
      else seen.insert("q2:" + change.substr(3, change[3] == 'K' || change[3] == 'E' ? 2 : 1));
      if (change[3] == 'K' && change.find(",T") != std::string::npos) seen.insert("q2:K2");
    }
    for (const auto& change : split(r.SpecialChange3, '#')) seen.insert("q3:" + change.substr(2, 1));
    for (const auto& change : split(r.SpecialChange4, '#')) seen.insert("q4:" + change.substr(2, 1));
    if (!r.BattleCode.empty()) seen.insert("battle:" + r.BattleCode.substr(0, 1));
    for (const auto& target : DecodeContinuations(r.NextChapters)) {
      if (target == kEndContinuation) seen.insert("end:vége");
      if (target == kVictoryContinuation) seen.insert("end:győzelem");
    }
  }
  for (const auto& o : book.opponents) {
    const TMonsterRec& m = o.rec;
    if (m.OpponentMode != 0) seen.insert("opponent:group");
    if (!m.ExtraCode.empty()) seen.insert("opponent:allies");
    if (m.FlightCode[0] != '0') seen.insert("opponent:flight");
    if (!m.SpecialWeapon.empty()) seen.insert("opponent:weapon");
    if (m.AttackMods[0] == '1') seen.insert("opponent:attackmods");
    if (!m.BattleValueCodes.empty()) seen.insert("opponent:battlevalues");
    if (m.DeathMode == 1) seen.insert("opponent:nodeath");
    if (m.RollBattleCode[0] >= '1' && m.RollBattleCode[0] <= '4') seen.insert("rule:" + m.RollBattleCode.substr(0, 1));
  }
  for (const auto& i : book.items) {
    const std::string& code = i.rec.UseCode;
    if (!code.empty()) seen.insert("item:" + code.substr(0, code[0] == 'C' ? 2 : 1));
  }
  for (const auto& i : book.infos) {
    if (i.rec.InfoFlag == 1) seen.insert("info:hidden");
    if (i.rec.Kind / 1000 >= 1 && i.rec.Kind / 1000 <= 3) seen.insert("info:kind" + std::to_string(i.rec.Kind / 1000));
  }
  for (const auto& m : book.magicSkills) seen.insert(m.rec.IsMagic == 1 ? "magic:spell" : "magic:skill");
  return seen;
}

TEST(IntroAdventure, EveryMechanicAppears) {
  Diagnostics diags;
  auto book = ParseBookFile(std::filesystem::path(ZRX_BOOKS_DIR) / "bevezeto" / "bevezeto.yaml", 1, diags);
  ASSERT_TRUE(book);
  const std::set<std::string> seen = mechanicsOf(*book);
  const char* expected[] = {
      "cond:C", "cond:M", "cond:S", "cond:D", "cond:FF", "cond:FT", "cond:I", "cond:K", "cond:Y", "cond:T",
      "cond:P1", "cond:P2", "cond:VN", "cond:VD", "cond:VT", "cond:VI", "cond:ED", "cond:EL", "cond:EW", "cond:ES",
      "cond:X", "q1:N", "q1:V", "q1:K", "q1:C", "q1:F", "q1:D", "q1:O", "q1:S", "q1:P", "q1:I", "q1:T", "q1:B",
      "q1:L", "q2:N", "q2:P", "q2:EC", "q2:X", "q2:M", "q2:H", "q2:O", "q2:V", "q2:B", "q2:F", "q2:KS", "q2:K2",
      "q2:L", "q2:T", "q3:N", "q3:P", "q3:E", "q3:I", "q3:T", "q4:N", "q4:S", "q4:K", "battle:N", "battle:R",
      "battle:P", "opponent:group", "opponent:allies", "opponent:flight", "opponent:weapon", "opponent:attackmods",
      "opponent:battlevalues", "opponent:nodeath", "rule:1", "rule:2", "rule:3", "rule:4", "item:A", "item:K",
      "item:CT", "item:CV", "item:CU", "item:CF", "info:hidden", "info:kind1", "info:kind2", "info:kind3",
      "magic:spell", "magic:skill", "end:vége", "end:győzelem",
  };
  for (const char* mechanic : expected) EXPECT_TRUE(seen.contains(mechanic)) << mechanic;
  EXPECT_GE(book->book.LastChapter, 25);
  EXPECT_LE(book->book.LastChapter, 40);
}

}  // namespace
}  // namespace zrx::book
