#include "win1250.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(Win1250, HungarianLettersAreOneByteEach) {
  const std::string utf8 = "Ügyesség, Életerő, Szerencse: őű ŐŰ";
  const auto bytes = Utf8ToWin1250(utf8);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(Utf8Length(utf8), bytes->size());
  EXPECT_EQ('\xF5', (*bytes)[bytes->size() - 5]);  // ő
  EXPECT_EQ(utf8, Win1250ToUtf8(*bytes));
}

TEST(Win1250, EveryDefinedByteRoundTrips) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const auto utf8 = Win1250ToUtf8(byte);
    if (utf8 == "\xEF\xBF\xBD") continue;  // undefined in the code page
    EXPECT_EQ(byte, Utf8ToWin1250(utf8).value_or("")) << "byte " << b;
  }
}

TEST(Win1250, CharactersOutsideTheCodePageAreRefused) {
  EXPECT_FALSE(Utf8ToWin1250("ĉ").has_value());
  EXPECT_FALSE(Utf8ToWin1250("日本").has_value());
  EXPECT_FALSE(Utf8ToWin1250("\xC3").has_value());  // cut multi-byte sequence
  EXPECT_EQ("a?b", Utf8ToWin1250Lossy("a日b"));
  EXPECT_FALSE(FitsWin1250("€ ĉ"));
  EXPECT_TRUE(FitsWin1250("€ ő"));
}

TEST(Win1250, CutsCountCharactersNotBytes) {
  EXPECT_EQ("Őrült", Utf8Cut("Őrült őrség", 5));
  EXPECT_EQ("ab", Utf8Cut("ab", 20));
  EXPECT_EQ("", Utf8Cut("ő", 0));
  EXPECT_EQ(20u, Utf8Length(Utf8Cut("ááááááááááááááááááááááááá", 20)));
}

}  // namespace
}  // namespace zrx
