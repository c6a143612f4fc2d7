#include "effect_code.h"

#include <gtest/gtest.h>

#include "book_code.h"

namespace zrx {
namespace {

std::string describe(const std::vector<EffectGroup>& groups) {
  std::string out;
  for (const EffectGroup& g : groups) {
    out += std::to_string(g.characteristic) + g.op + g.kind + g.digit + ":" + std::to_string(g.amount) + " ";
  }
  return out;
}

TEST(EffectCode, UsableGroups) {
  struct Case { const char* code; std::string expected; };
  const Case cases[] = {
      {"A01+05", "1+05:5 "},
      {"A02+H0", "2+H0:0 "},
      {"A05AA0", "5AA0:0 "},
      {"A02FF2", "2FF2:0 "},
      {"A02D03A05-01", "2D03:3 5-01:1 "},
      {"A02+05K03+F1", "2+05:5 3+F1:0 "},  // only the first group's letter counts
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, describe(usableItemGroups(c.code))) << c.code;
}

TEST(EffectCode, ModifierGroups) {
  struct Case { const char* code; std::string expected; };
  const Case cases[] = {
      {"K01+F2", "1+F2:2 "},
      {"K02-F5K01+F1", "2-F5:5 1+F1:1 "},
      {"K01+X9", "1+X9:0 "},  // not an "F" group: its digit is not read
      {"K01+Xx", "1+Xx:0 "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, describe(modifierGroups(c.code))) << c.code;
}

TEST(EffectCode, MalformedCodesRaiseBookCodeErrors) {
  struct Case { const char* code; std::size_t position; };
  const Case cases[] = {
      {"K01+F", 6},          // any length but six means two groups: the first is short
      {"K0A+F2", 3},
      {"K01+Fx", 6},
      {"K01+F2K01", 10},
      {"K01+F2K01+Fz", 12},
  };
  for (const Case& c : cases) {
    try {
      modifierGroups(c.code);
      ADD_FAILURE() << c.code << " was accepted";
    } catch (const BookCodeError& e) {
      EXPECT_EQ(c.position, e.position()) << c.code;
      EXPECT_EQ(c.code, e.code()) << c.code;
    }
  }
  EXPECT_THROW(usableItemGroups("A02+0x"), BookCodeError);
  EXPECT_THROW(usableItemGroups(""), BookCodeError);
}

TEST(EffectCode, HalfToEven) {
  struct Case { int value; int expected; };
  const Case cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}, {9, 4}, {11, 6}, {255, 128}, {254, 127}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, halfToEven(c.value)) << c.value;
}

TEST(EffectCode, FirstLetter) {
  EXPECT_TRUE(effectCodeIs("A01+05", 'A'));
  EXPECT_FALSE(effectCodeIs("K01+F2", 'A'));
  EXPECT_FALSE(effectCodeIs("", 'K'));
}

}  // namespace
}  // namespace zrx
