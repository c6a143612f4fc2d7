#include "compressed_block.h"

#include "container_format.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A block between filler bytes, the way save files carry it.
Bytes framedBlock(const Bytes& payload) {
  std::uint8_t next = 0;
  const FillerSource counting = [&next] { return next++; };
  ByteWriter out;
  out.writeFiller(16, counting);
  EXPECT_TRUE(AppendCompressedBlock(out, payload, counting));
  out.writeFiller(78, counting);
  return out.release();
}

TEST(CompressedBlock, RoundTripsBetweenFillerBytes) {
  for (const Bytes& payload : {Bytes{}, Bytes{'x'}, Bytes(5000, 'a')}) {
    const Bytes file = framedBlock(payload);
    ByteReader in(file);
    ASSERT_TRUE(in.skip(16));
    Bytes read{1, 2};
    EXPECT_EQ(kBlockRead, ReadCompressedBlock(in, read, kMaxPayloadSize)) << payload.size();
    EXPECT_EQ(payload, read);
    EXPECT_EQ(78u, in.remaining());
  }
}

TEST(CompressedBlock, DeclaredSizesAreChecked) {
  const Bytes good = framedBlock(Bytes(300, 'z'));
  const auto withSize = [&](std::size_t at, std::int32_t value) {
    Bytes file = good;
    const auto coded = EncodeInt32(CodingKey::kShort, 0, value);
    std::copy(coded.begin(), coded.end(), file.begin() + static_cast<long>(at));
    return file;
  };
  const std::size_t c = 16, u = 16 + 4 + 123;
  const struct {
    const char* name;
    Bytes file;
    int expected;
  } cases[] = {
      {"compressed size zero", withSize(c, 0), kBlockUnreadable},
      {"compressed size past the end", withSize(c, 100000), kBlockUnreadable},
      {"negative size", withSize(u, -1), kBlockUnreadable},
      {"size past every deflate ratio", withSize(u, 1 << 28), kBlockUnreadable},
      {"cut in the gap", Bytes(good.begin(), good.begin() + 60), kBlockUnreadable},
      {"one byte short of the stream", withSize(u, 299), kBlockInflateFailed},
      {"one byte more than the stream", withSize(u, 301), kBlockInflateFailed},
  };
  for (const auto& tc : cases) {
    ByteReader in(tc.file);
    in.skip(16);
    Bytes payload;
    EXPECT_EQ(tc.expected, ReadCompressedBlock(in, payload, kMaxPayloadSize)) << tc.name;
    EXPECT_TRUE(payload.empty()) << tc.name;
  }
}

}  // namespace
}  // namespace zrx
