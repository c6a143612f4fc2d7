#include "book_code.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(BookCodeReader, ReadsFieldsByOneBasedPosition) {
  EXPECT_EQ('V', charAt("VD01>212", 1));
  EXPECT_EQ(1, digitAt("VD01>212", 7));
  EXPECT_EQ(2, digitAt("VD01>212", 8));
  EXPECT_EQ(1, numberAt("VD01>212", 3, 2));
  EXPECT_EQ(12, numberAt("T012=003", 2, 3));
  EXPECT_EQ(-3, numberAt("x-3", 2, 2));
  EXPECT_EQ(7, numberAt("+7", 1, 2));
  EXPECT_EQ(10, hexNumberAt("00A00B", 1, 3));
  EXPECT_EQ(1000, hexNumberAt("3E8", 1, 3));
  EXPECT_EQ("01", fieldAt("K01+F2", 2, 2));
  EXPECT_EQ(42, numberOf("042"));
}

TEST(BookCodeReader, MalformedFieldsThrowWithCodeAndPosition) {
  struct Case {
    const char* name;
    void (*read)();
    const char* code;
    std::size_t position;
  };
  const Case cases[] = {
      {"letter in a number", [] { numberAt("T0A2=003", 2, 3); }, "T0A2=003", 3},
      {"code shorter than its form", [] { numberAt("T01", 2, 3); }, "T01", 2},
      {"digit past the end", [] { digitAt("VD", 7); }, "VD", 7},
      {"char past the end", [] { charAt("", 1); }, "", 1},
      {"position zero", [] { charAt("abc", 0); }, "abc", 0},
      {"sign alone", [] { numberAt("x-", 2, 1); }, "x-", 2},
      {"blank in a number", [] { numberAt(" 12", 1, 3); }, " 12", 1},
      {"non-hex chapter", [] { hexNumberAt("00G", 1, 3); }, "00G", 3},
      {"empty list number", [] { numberOf(""); }, "", 1},
      {"overflowing number", [] { numberOf("99999999999"); }, "99999999999", 1},
  };
  for (const Case& c : cases) {
    try {
      c.read();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const BookCodeError& e) {
      EXPECT_EQ(c.code, e.code()) << c.name;
      EXPECT_EQ(c.position, e.position()) << c.name;
      EXPECT_NE(std::string(e.what()).find(std::string("\"") + c.code + "\""), std::string::npos) << c.name;
    }
  }
}

}  // namespace
}  // namespace zrx
