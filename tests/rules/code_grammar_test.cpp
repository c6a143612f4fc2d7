// The code grammar as data: which form applies to a code, which field lies under a
// cursor, and that every table is well formed.
#include <gtest/gtest.h>

#include <string>

#include "code_grammar.h"

namespace zrx::grammar {
namespace {

constexpr CodeFamily kFamilies[] = {CodeFamily::Condition, CodeFamily::CharacteristicChange, CodeFamily::ItemChange,
                                    CodeFamily::InfoChange, CodeFamily::MagicSkillChange, CodeFamily::BattleCode,
                                    CodeFamily::ItemUseCode,      CodeFamily::InfoCode,
                                    CodeFamily::FlightCode,       CodeFamily::AttackMods,
                                    CodeFamily::RollBattleCode,   CodeFamily::WoundMods,
                                    CodeFamily::BattleValueCodes, CodeFamily::ExtraCode,
                                    CodeFamily::SpecialWeapon};

struct CursorCase {
  CodeFamily family;
  const char* text;
  std::size_t offset;  // 0-based, as an editor's cursor
  const char* form;
  const char* field;  // "" when the cursor lies past the form
  std::size_t fieldPos;
};

void expectField(const CursorCase& c) {
  SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.offset));
  const CodeInText code = CodeAt(c.family, c.text, c.offset);
  const CodeForm* form = FindForm(c.family, code.code);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->name, c.form);
  const auto field = FieldAt(*form, code.code, c.offset + 2 - code.start);
  if (*c.field == '\0') {
    EXPECT_FALSE(field.has_value());
    return;
  }
  ASSERT_TRUE(field.has_value());
  EXPECT_EQ(field->field->name, c.field);
  EXPECT_EQ(field->pos, c.fieldPos);
  EXPECT_FALSE(field->field->meaning.empty());
}

TEST(CodeGrammarTest, FieldUnderCursor) {
  constexpr auto kChar = CodeFamily::CharacteristicChange;
  constexpr auto kItem = CodeFamily::ItemChange;
  const CursorCase cases[] = {
      {CodeFamily::Condition, "VN02>=03", 0, "VN", "letter", 1},
      {CodeFamily::Condition, "VN02>=03", 3, "VN", "base", 3},
      {CodeFamily::Condition, "VN02>=03", 5, "VN", "relation", 5},
      {CodeFamily::Condition, "VN02>=03", 7, "VN", "value", 7},
      {CodeFamily::Condition, "I+001#VI03>=11+2+006", 8, "VI", "base", 3},
      {CodeFamily::Condition, "I+001#VI03>=11+2+006", 19, "VI", "info", 12},
      {CodeFamily::Condition, "I+001#VI03>=11+2+006", 2, "I", "info", 3},
      {CodeFamily::Condition, "VT01>=12", 7, "VD", "comparisons", 8},
      {CodeFamily::Condition, "C0,K3001002003", 12, "K", "item", 9},
      {CodeFamily::Condition, "Y1005006007", 10, "Y", "item", 9},
      {CodeFamily::Condition, "D201-07#D208-12", 14, "D-", "high", 6},
      {CodeFamily::Condition, "D204.", 4, "D.", "form", 5},
      {CodeFamily::Condition, "EL0812200+0", 4, "EL", "target", 5},
      {CodeFamily::Condition, "ES10<<201+0", 4, "ES", "relation", 5},
      {CodeFamily::Condition, "EDR11", 2, "ED", "parity", 3},
      {CodeFamily::Condition, "P1>=01", 3, "P1", "relation", 3},
      {CodeFamily::Condition, "P2-001", 5, "P2", "magicSkill", 4},
      {CodeFamily::Condition, "FT-MAX", 4, "F", "chapter", 4},
      {CodeFamily::Condition, "C0", 5, "C", "", 0},
      {CodeFamily::Condition, "X3", 1, "X", "attempts", 2},
      {kChar, "01N04-01#02-S02S+02#", 3, "N", "base", 4},
      {kChar, "01N04-01#02-S02S+02#", 15, "S", "when", 7},
      {kChar, "01-B02T005+12A#", 8, "BT", "item", 8},
      {kChar, "01-B02I005+12A#", 8, "BI", "info", 8},
      {kItem, "01-O0021,0031#", 7, "O", "pieces", 8},
      {kItem, "01-O0021,0031#", 8, "O", "separator", 9},
      {kItem, "01-O0021,0031#", 10, "O", "item", 10},
      {kItem, "01-O0021,0031#", 12, "O", "pieces", 13},
      {kItem, "01-KS00105,TN01#", 11, "KST", "criterion2", 12},
      {kItem, "01-KS00105,TN01#", 12, "KST", "kind2", 13},
      {kItem, "01-KTE02,S002MM#", 14, "KTS", "amount2", 14},
      {kItem, "01-KS001MM#", 8, "KS", "amount", 9},
      {kItem, "01-T122013015004#", 10, "T", "givenItem", 11},
      {kItem, "01-T122013015004#", 13, "T", "givenItem", 14},
      {kItem, "01-T022013015#", 7, "T", "givenItem", 8},
      {CodeFamily::InfoChange, "02TN013004++#", 11, "T", "infoSign", 12},
      {CodeFamily::MagicSkillChange, "03S001=02#", 7, "S", "amount", 8},
      {CodeFamily::BattleCode, "N006007", 4, "N", "opponent", 5},
      {CodeFamily::BattleCode, "R001002001002001002", 18, "R", "opponent", 17},
      {CodeFamily::BattleCode, "P021005#NIF004", 2, "P", "key", 2},
      {CodeFamily::BattleCode, "P021005#NIF004", 9, "P", "key", 9},
      {CodeFamily::BattleCode, "P021005#NIF004", 12, "P", "opponent", 12},
      {CodeFamily::BattleCode, "P021005006#NIF004", 7, "P", "opponent", 8},
      {CodeFamily::ItemUseCode, "A02+04", 2, "A", "characteristic", 2},
      {CodeFamily::ItemUseCode, "A02+04A03+02", 9, "AA", "operator2", 10},
      {CodeFamily::ItemUseCode, "A02+04A03+02", 6, "AA", "group2", 7},
      {CodeFamily::ItemUseCode, "K01+F2", 4, "K", "kind", 5},
      {CodeFamily::ItemUseCode, "CVD+146", 6, "CVD", "high", 7},
      {CodeFamily::ItemUseCode, "CNN-2", 3, "CVN", "sign", 4},
      {CodeFamily::ItemUseCode, "CUBE", 3, "CU", "when", 4},
      {CodeFamily::ItemUseCode, "CFN1D56", 4, "CFD", "trigger", 5},
      {CodeFamily::InfoCode, "CT-2", 3, "CT", "amount", 4},
      {CodeFamily::FlightCode, "3<", 1, "n", "rule", 2},
      {CodeFamily::AttackMods, "1+2A", 3, "1", "when", 4},
      {CodeFamily::RollBattleCode, "2M32-E2I1R1", 8, "2", "digit2", 9},
      {CodeFamily::RollBattleCode, "3N006", 4, "3", "info", 3},
      {CodeFamily::RollBattleCode, "4G>E06", 5, "4", "threshold", 5},
      {CodeFamily::WoundMods, "D0301111", 6, "WoundMods", "playerLifePeriod", 7},
      {CodeFamily::BattleValueCodes, "0402", 3, "BattleValueCodes", "life", 3},
      {CodeFamily::ExtraCode, "080706", 5, "ExtraCode", "ally", 5},
      {CodeFamily::SpecialWeapon, "008S", 3, "SpecialWeapon", "luck", 4},
  };
  for (const CursorCase& c : cases) expectField(c);
}

TEST(CodeGrammarTest, UnknownLettersHaveNoForm) {
  for (const char* code : {"", "Q01", "c0", "#"}) {
    EXPECT_EQ(FindForm(CodeFamily::Condition, code), nullptr) << code;
  }
}

TEST(CodeGrammarTest, RepeatedFieldsFollowTheCodeItself) {
  const CodeForm* all = FindForm(CodeFamily::Condition, "K3001002003");
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(Layout(*all, "K3001002003").back().end(), 11u);
  EXPECT_EQ(Layout(*all, "K2001002").back().end(), 8u);
  EXPECT_EQ(Layout(*all, "KA001").back().end(), 2u);  // no count: no items
  const CodeForm* any = FindForm(CodeFamily::Condition, "Y1005");
  ASSERT_NE(any, nullptr);
  EXPECT_EQ(Layout(*any, "Y1").back().end(), 5u);  // at least one item is due
  EXPECT_EQ(Layout(*any, "Y1005006").back().end(), 8u);
}

// Fields of a form lie in order without overlapping, each says what it means, and a field
// that names allowed characters or a range has them.
TEST(CodeGrammarTest, EveryFormIsWellFormed) {
  for (CodeFamily family : kFamilies) {
    for (const CodeForm& form : FormsOf(family)) {
      SCOPED_TRACE(std::string(form.name));
      EXPECT_FALSE(form.meaning.empty());
      std::size_t next = 1;
      for (const Field& field : form.fields) {
        SCOPED_TRACE(std::string(field.name));
        EXPECT_EQ(field.pos, next);
        EXPECT_GE(field.width, 1u);
        next = field.pos + field.width;
        EXPECT_FALSE(field.meaning.empty());
        if (field.kind == FieldKind::OneOf) {
          EXPECT_FALSE(field.allowed.empty() || field.expected.empty());
        }
        if (field.kind == FieldKind::DiceCount || field.kind == FieldKind::ComparisonCount ||
            field.kind == FieldKind::ListCount) {
          EXPECT_LE(field.min, field.max);
          EXPECT_GT(field.max, 0);
        }
      }
      // The form's own selectors choose it.
      std::string probe;
      for (const Selector& selector : {form.letter, form.subtype, form.detail}) {
        if (selector.pos == 0) continue;
        if (probe.size() < selector.pos) probe.resize(selector.pos, ' ');
        // A selector without characters asks only that the code reach its place.
        probe[selector.pos - 1] = selector.chars.empty() ? '?' : selector.chars[0];
      }
      EXPECT_EQ(FindForm(family, probe), &form) << probe;
    }
  }
}

}  // namespace
}  // namespace zrx::grammar
