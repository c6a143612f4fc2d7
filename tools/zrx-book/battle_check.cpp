// Checks of battle declarations, of the opponents' battle fields and of the
// battle and use codes of items and information.
#include "battle_grammar.h"
#include "code_check.h"
#include "grammar_check.h"
#include "use_code_grammar.h"

namespace zrx::book {
namespace {

namespace battle = grammar::battle;
namespace use = grammar::use;
constexpr const grammar::Field& kOpponent = battle::kAll.field("opponent");
constexpr const grammar::Field& kKey = battle::kPairs.field("key");
// The length of a declaration that lists exactly the opponents a die can pick.
constexpr std::size_t kRolledLength = kOpponent.pos - 1 + kOpponent.width * battle::kRolledOpponents;

// A list of opponents from `from` to `to`: its length, beyond one opponent, is contextual.
void opponentList(const CodeReader& r, std::size_t from, std::size_t to, CodeCheck& check) {
  if (to < from) return check.error("lists no opponent");
  if ((to - from + 1) % kOpponent.width != 0) check.error("has an opponent number that is not three digits long");
  for (std::size_t pos = from; pos + kOpponent.width - 1 <= to; pos += kOpponent.width) {
    check.opponent(r.numberAt(pos, kOpponent.width));
  }
}

void groups(const CodeReader& r, CodeCheck& check) {
  std::size_t start = kKey.pos;
  std::size_t count = 0;
  while (start <= r.size()) {
    std::size_t end = r.text().find('#', start - 1);
    end = end == std::string_view::npos ? r.size() : end;  // 1-based position of the group's last character
    if (++count > battle::kMaxGroups) {
      return check.warning("has more than five groups; the sixth and later are never fought");
    }
    const std::string_view key = r.sliceAt(start, kKey.width);
    if (key != kKey.allowed) check.chapter(r.numberAt(start, kKey.width));
    opponentList(r, start + kKey.width, end, check);
    start = end + 2;
  }
  if (count == 0) r.requireLength(kKey.pos);
}

void afterRoundAction(const CodeReader& r, std::size_t pos, CodeCheck& check) {
  check.oneOf(r, pos, "EGHINRU", "an action letter");
  if (r.charAt(pos) == 'H' && r.charAt(pos + 1) == '>') return;
  r.digitAt(pos + 1);
}

void rollBattleCode(const CodeReader& r, CodeCheck& check) {
  switch (r.charAt(1)) {
    case '1':
      check.oneOf(r, 2, "GH", "G (won) or H (lost)");
      r.charAt(3);
      check.oneOf(r, 4, "EFGNV", "a counter letter");
      r.digitAt(5);
      return;
    case '2':
      check.oneOf(r, 2, "MNV", "M, N or V");
      r.digitAt(3);
      r.digitAt(4);
      r.charAt(5);
      for (std::size_t pos : {6, 8, 10}) afterRoundAction(r, pos, check);
      return;
    case '3':
      check.oneOf(r, 2, "NV", "N or V");
      check.info(r.numberAt(3, 3));
      return;
    case '4':
      check.oneOf(r, 2, "DGH", "D, G or H");
      check.oneOf(r, 3, ">V", "\">\" or V");
      check.oneOf(r, 4, "ET", "E (life) or T (skill)");
      r.numberAt(5, 2);
      return;
    default:
      return;
  }
}

void woundMods(const CodeReader& r, CodeCheck& check) {
  for (std::size_t pos = 1; pos <= 4; ++pos) {
    if (r.charAt(pos) != 'D') r.digitAt(pos);
  }
  for (std::size_t pos = 5; pos <= 8; ++pos) {
    if (r.digitAt(pos) == 0) check.warning("has the period 0 at position " + std::to_string(pos));
  }
}

}  // namespace

void CheckBattleCode(const std::string& code, CodeCheck& check) {
  if (code.empty()) return;
  check.run(code, [&](const CodeReader& r) {
    r.charAt(battle::kLetter.pos);
    const grammar::CodeForm* form = grammar::FindForm(grammar::CodeFamily::BattleCode, r.text());
    if (!form) return check.warning("begins with a letter that declares no battle (N, R or P)");
    if (form->name == battle::kPairs.name) return groups(r, check);
    if (form->name == battle::kRolled.name) {
      if (r.size() > kRolledLength) check.warning("lists more than six opponents; a die picks only the first six");
      if (r.size() < kRolledLength) check.warning("lists fewer than six opponents; a higher roll picks none");
    }
    opponentList(r, kOpponent.pos, r.size(), check);
  });
}

void CheckOpponentCodes(const TMonsterRec& m, const SourceLines& lines, const BookIndex& index, Diagnostics& diags,
                        const std::string& file) {
  auto field = [&](const char* key, const std::string& code, bool mayBeEmpty, auto body) {
    if (mayBeEmpty && code.empty()) return;
    CodeCheck check(index, diags, file, lines.of(key), key);
    check.run(code, [&](const CodeReader& r) { body(r, check); });
  };
  field("FlightCode", m.FlightCode, false, [](const CodeReader& r, CodeCheck& c) {
    if (r.digitAt(1) != 0) c.oneOf(r, 2, "<>MN", "a flight rule (<, >, M or N)");
  });
  field("AttackMods", m.AttackMods, false, [](const CodeReader& r, CodeCheck& c) {
    if (r.charAt(1) != '1') return;
    c.oneOf(r, 2, "+-", "a sign");
    r.digitAt(3);
    if (r.charAt(4) != 'A') r.digitAt(4);
  });
  field("RollBattleCode", m.RollBattleCode, false, rollBattleCode);
  field("WoundMods", m.WoundMods, false, woundMods);
  field("BattleValueCodes", m.BattleValueCodes, true, [](const CodeReader& r, CodeCheck& c) {
    c.baseValue(r.numberAt(1, 2));
    c.baseValue(r.numberAt(3, 2));
  });
  field("ExtraCode", m.ExtraCode, true, [](const CodeReader& r, CodeCheck& c) {
    if (r.size() % 2 != 0) c.warning("must hold one, two or three two-digit skills");
    for (std::size_t pos = 1; pos + 1 <= r.size(); pos += 2) r.numberAt(pos, 2);
  });
  field("SpecialWeapon", m.SpecialWeapon, true, [](const CodeReader& r, CodeCheck& c) {
    c.item(r.numberAt(1, 3));
    r.charAt(4);
  });
}

void CheckItemUseCode(const std::string& code, CodeCheck& check) {
  if (code.empty()) return;
  check.run(code, [&](const CodeReader& r) {
    const char letter = r.charAt(use::kLetter.pos);
    if (letter == use::kBattleLetter) r.charAt(use::kBattleKind.pos);
    const grammar::CodeForm* form = grammar::FindForm(grammar::CodeFamily::ItemUseCode, r.text());
    if (!form) {
      if (letter == use::kBattleLetter) check.warning("is a battle code of no known kind");
      return;
    }
    if (letter != use::kBattleLetter && r.size() != use::kGroupWidth && r.size() != use::kMaxGroups * use::kGroupWidth) {
      check.warning("must hold one group of six characters or two");
    }
    CheckFields(*form, r, check);
  });
}

void CheckInfoCode(const std::string& code, CodeCheck& check) {
  if (code.empty()) return;
  check.run(code, [&](const CodeReader& r) {
    if (r.charAt(use::kLetter.pos) != use::kBattleLetter) return;
    r.charAt(use::kBattleKind.pos);
    const grammar::CodeForm* form = grammar::FindForm(grammar::CodeFamily::InfoCode, r.text());
    if (!form) return check.warning("is a battle code that information cannot carry (only CT)");
    CheckFields(*form, r, check);
  });
}

}  // namespace zrx::book
