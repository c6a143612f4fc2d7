// The code grammar as data: which form applies to a code, which field lies under a
// cursor, and that every table is well formed.
#include <gtest/gtest.h>

#include <string>

#include "code_grammar.h"

namespace zrx::grammar {
namespace {

TEST(CodeGrammarTest, FieldUnderCursorInAConditionString) {
  struct Case {
    const char* text;
    std::size_t offset;  // 0-based, as an editor's cursor
    const char* form;
    const char* field;   // "" when the cursor lies past the form
    std::size_t fieldPos;
  };
  const Case cases[] = {
      {"VN02>=03", 0, "VN", "letter", 1},
      {"VN02>=03", 3, "VN", "base", 3},
      {"VN02>=03", 5, "VN", "relation", 5},
      {"VN02>=03", 7, "VN", "value", 7},
      {"I+001#VI03>=11+2+006", 8, "VI", "base", 3},
      {"I+001#VI03>=11+2+006", 19, "VI", "info", 12},
      {"I+001#VI03>=11+2+006", 2, "I", "info", 3},
      {"VT01>=12", 7, "VD", "comparisons", 8},
      {"C0,K3001002003", 12, "K", "item", 9},
      {"Y1005006007", 10, "Y", "item", 9},
      {"D201-07#D208-12", 14, "D-", "high", 6},
      {"D204.", 4, "D.", "form", 5},
      {"EL0812200+0", 4, "EL", "target", 5},
      {"ES10<<201+0", 4, "ES", "relation", 5},
      {"EDR11", 2, "ED", "parity", 3},
      {"P1>=01", 3, "P1", "relation", 3},
      {"P2-001", 5, "P2", "magicSkill", 4},
      {"FT-MAX", 4, "F", "chapter", 4},
      {"C0", 5, "C", "", 0},
      {"X3", 1, "X", "attempts", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.offset));
    const CodeInText code = CodeAt(CodeFamily::Condition, c.text, c.offset);
    const CodeForm* form = FindForm(CodeFamily::Condition, code.code);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->name, c.form);
    const auto field = FieldAt(*form, code.code, c.offset + 2 - code.start);
    if (*c.field == '\0') {
      EXPECT_FALSE(field.has_value());
      continue;
    }
    ASSERT_TRUE(field.has_value());
    EXPECT_EQ(field->field->name, c.field);
    EXPECT_EQ(field->pos, c.fieldPos);
    EXPECT_FALSE(field->field->meaning.empty());
  }
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
  for (CodeFamily family : {CodeFamily::Condition}) {
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
      if (form.subtype.pos != 0) {
        std::string probe(form.subtype.pos, ' ');
        probe[0] = form.letter.chars[0];
        probe[form.subtype.pos - 1] = form.subtype.chars[0];
        EXPECT_EQ(FindForm(family, probe), &form);
      }
    }
  }
}

}  // namespace
}  // namespace zrx::grammar
