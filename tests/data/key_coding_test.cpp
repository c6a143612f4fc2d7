#include "key_coding.h"

#include <gtest/gtest.h>

#include <vector>

#include "byte_io.h"

namespace zrx {
namespace {

TEST(KeyCoding, DecodingUndoesEncodingForBothKeys) {
  std::vector<std::uint8_t> plain(40);
  for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(i * 37 + 5);
  std::vector<std::uint8_t> shortRun(plain.begin(), plain.begin() + 12);
  EncodeRun(CodingKey::kShort, 5, shortRun);
  EXPECT_NE(std::vector<std::uint8_t>(plain.begin(), plain.begin() + 12), shortRun);
  DecodeRun(CodingKey::kShort, 5, shortRun);
  EXPECT_EQ(std::vector<std::uint8_t>(plain.begin(), plain.begin() + 12), shortRun);

  std::vector<std::uint8_t> longRun = plain;
  EncodeRun(CodingKey::kLong, 320, longRun);  // crosses the wrap at 333
  DecodeRun(CodingKey::kLong, 320, longRun);
  EXPECT_EQ(plain, longRun);
}

TEST(KeyCoding, CodedByteIsPlainPlusKeyModulo256) {
  std::vector<std::uint8_t> run{0xFF, 0x00};
  EncodeRun(CodingKey::kShort, 0, run);
  EXPECT_EQ(static_cast<std::uint8_t>(0xFF + KeyByte(CodingKey::kShort, 1)), run[0]);
  EXPECT_EQ(KeyByte(CodingKey::kShort, 2), run[1]);
}

TEST(KeyCoding, LongKeyWrapsEvery333Positions) {
  EXPECT_EQ(KeyByte(CodingKey::kLong, 1), KeyByte(CodingKey::kLong, 334));
  EXPECT_EQ(KeyByte(CodingKey::kLong, 333), KeyByte(CodingKey::kLong, 666));
  EXPECT_EQ(KeyByte(CodingKey::kLong, 35), KeyByte(CodingKey::kLong, 35 + 333 * 5));
}

TEST(KeyCoding, Int32IsCodedLittleEndian) {
  const auto coded = EncodeInt32(CodingKey::kShort, 22, 0x01020304);
  std::vector<std::uint8_t> plain(coded.begin(), coded.end());
  DecodeRun(CodingKey::kShort, 22, plain);
  EXPECT_EQ((std::vector<std::uint8_t>{4, 3, 2, 1}), plain);
  EXPECT_EQ(0x01020304, DecodeInt32(CodingKey::kShort, 22, coded));
  EXPECT_EQ(-7, DecodeInt32(CodingKey::kShort, 0, EncodeInt32(CodingKey::kShort, 0, -7)));
}

}  // namespace
}  // namespace zrx
