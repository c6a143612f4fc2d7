#include "byte_io.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(ByteReader, NeverReadsPastTheEndAndStaysFailed) {
  const std::vector<std::uint8_t> bytes{1, 0, 0, 0, 9};
  ByteReader in(bytes);
  std::int32_t value = 0;
  EXPECT_TRUE(in.readInt32(value));
  EXPECT_EQ(1, value);
  EXPECT_FALSE(in.readInt32(value));  // only one byte left
  EXPECT_EQ(4u, in.pos());             // a failed read consumes nothing
  EXPECT_FALSE(in.ok());
  std::uint8_t b = 0;
  EXPECT_FALSE(in.readU8(b));  // failure is sticky
  EXPECT_FALSE(ByteReader(bytes).skip(6));
  EXPECT_FALSE(ByteReader(bytes).seek(6));
  EXPECT_TRUE(ByteReader(bytes).seek(5));
}

TEST(ByteReader, HugeCountsFailWithoutAllocating) {
  const std::vector<std::uint8_t> bytes(8, 0);
  ByteReader in(bytes);
  std::vector<std::uint8_t> out;
  EXPECT_FALSE(in.readBytes(static_cast<std::size_t>(1) << 40, out));
  EXPECT_TRUE(out.empty());
}

TEST(ShortString, RoundTripsWin1250AndCutsToRoom) {
  ByteWriter out;
  out.writeShortString("Őrült őrség", 5);
  out.writeShortString("ab", 4);
  ASSERT_TRUE(out.ok());
  EXPECT_EQ(11u, out.size());
  EXPECT_EQ(5, out.bytes()[0]);
  EXPECT_EQ(0xD5, out.bytes()[1]);  // Ő in Windows-1250

  ByteReader in(out.bytes());
  std::string first, second;
  EXPECT_TRUE(in.readShortString(5, first));
  EXPECT_TRUE(in.readShortString(4, second));
  EXPECT_EQ("Őrült", first);
  EXPECT_EQ("ab", second);
}

TEST(ShortString, LengthByteAboveTheRoomIsCut) {
  const std::vector<std::uint8_t> bytes{200, 'a', 'b', 'c'};
  ByteReader in(bytes);
  std::string text;
  EXPECT_TRUE(in.readShortString(3, text));
  EXPECT_EQ("abc", text);
}

TEST(ShortString, TextOutsideTheCodePageFailsTheWriter) {
  ByteWriter out;
  out.writeShortString("日本", 4);
  EXPECT_FALSE(out.ok());
  EXPECT_EQ(5u, out.size());  // the layout keeps its size
}

}  // namespace
}  // namespace zrx
