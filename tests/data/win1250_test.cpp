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

TEST(Win1250, EveryByteRoundTrips) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const auto utf8 = Win1250ToUtf8(byte);
    EXPECT_NE("\xEF\xBF\xBD", utf8) << "byte " << b;
    EXPECT_EQ(byte, Utf8ToWin1250(utf8).value_or("")) << "byte " << b;
  }
}

TEST(Win1250, UndefinedBytesReadAsTheC1ControlsOfTheirNumber) {
  for (const unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
    const std::string expected = {static_cast<char>(0xC2), static_cast<char>(b)};
    EXPECT_EQ(expected, Win1250ToUtf8(std::string(1, static_cast<char>(b)))) << int{b};
  }
}

TEST(Win1250, AMissingConverterIsReportedNotThrown) {
  EXPECT_TRUE(CodePageAvailable());
  EXPECT_TRUE(CodePageLoads("WINDOWS-1250"));
  EXPECT_FALSE(CodePageLoads("NO-SUCH-CODE-PAGE"));
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
