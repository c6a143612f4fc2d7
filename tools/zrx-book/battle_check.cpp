// Checks of battle declarations, of the opponents' battle fields and of the
// battle and use codes of items and information.
#include <algorithm>

#include "battle_grammar.h"
#include "code_check.h"
#include "grammar_check.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx::book {
namespace {

namespace battle = grammar::battle;
namespace use = grammar::use;
namespace opponent = grammar::opponent;
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

// The fields of a form in order; an action's digit of the after-round roll may be ">"
// after "H" (the end without death).
void rollRule(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check) {
  for (const grammar::PlacedField& p : grammar::Layout(form, r.text())) {
    const auto digit = std::ranges::find(opponent::kActionDigits, p.field);
    if (digit == std::ranges::end(opponent::kActionDigits)) {
      CheckField(form, p, r, check);
      continue;
    }
    const auto index = digit - std::ranges::begin(opponent::kActionDigits);
    if (r.charAt(opponent::kActionLetters[index]->pos) == 'H' && r.charAt(p.pos) == '>') continue;
    r.digitAt(p.pos);
  }
}

// The periods of WoundMods: 0 deals the wound never.
void woundMods(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check) {
  for (const grammar::PlacedField& p : grammar::Layout(form, r.text())) {
    CheckField(form, p, r, check);
    if (p.field->kind == grammar::FieldKind::Digit && r.digitAt(p.pos) == 0) {
      check.warning("has the period 0 at position " + std::to_string(p.pos));
    }
  }
}

// The allies' skills: a last odd character is left unread.
void allies(const CodeReader& r, CodeCheck& check) {
  constexpr const grammar::Field& kAlly = opponent::kAllies.field("ally");
  if (r.size() % kAlly.width != 0) check.warning("must hold one, two or three two-digit skills");
  for (std::size_t pos = kAlly.pos; pos + kAlly.width - 1 <= r.size(); pos += kAlly.width) {
    r.numberAt(pos, kAlly.width);
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
  using grammar::CodeFamily;
  auto field = [&](const char* key, const std::string& code, bool mayBeEmpty, auto body) {
    if (mayBeEmpty && code.empty()) return;
    CodeCheck check(index, diags, file, lines.of(key), key);
    check.run(code, [&](const CodeReader& r) { body(r, check); });
  };
  // Checks a code against the form of `family` that takes it; a code that none takes is left alone.
  const auto against = [](CodeFamily family, auto walk) {
    return [family, walk](const CodeReader& r, CodeCheck& c) {
      r.charAt(1);
      if (const grammar::CodeForm* form = grammar::FindForm(family, r.text())) walk(*form, r, c);
    };
  };
  // Any digit has a flight form: anything else is no number.
  field("FlightCode", m.FlightCode, false, [](const CodeReader& r, CodeCheck& c) {
    r.digitAt(opponent::kFlightRounds.pos);
    CheckFields(*grammar::FindForm(CodeFamily::FlightCode, r.text()), r, c);
  });
  field("AttackMods", m.AttackMods, false, against(CodeFamily::AttackMods, CheckFields));
  field("RollBattleCode", m.RollBattleCode, false, against(CodeFamily::RollBattleCode, rollRule));
  field("WoundMods", m.WoundMods, false, against(CodeFamily::WoundMods, woundMods));
  field("BattleValueCodes", m.BattleValueCodes, true, against(CodeFamily::BattleValueCodes, CheckFields));
  field("ExtraCode", m.ExtraCode, true, allies);
  field("SpecialWeapon", m.SpecialWeapon, true, against(CodeFamily::SpecialWeapon, CheckFields));
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
