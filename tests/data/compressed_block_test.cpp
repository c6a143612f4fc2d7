#include "compressed_block.h"

#include "container_format.h"
#include "file_access.h"
#include "package_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    // Inflated piece by piece, the block gives the same verdicts.
    ByteBuffer file = ByteBuffer::ForOverwrite(tc.file.size());
    std::copy(tc.file.begin(), tc.file.end(), file.data());
    ByteReader pieces(file);
    pieces.skip(16);
    ByteBuffer inflated;
    EXPECT_EQ(tc.expected, ReadCompressedBlock(pieces, file, inflated, kMaxPayloadSize)) << tc.name;
    EXPECT_TRUE(inflated.empty()) << tc.name;
  }
}

TEST(CompressedBlock, ALargeFileIsMappedAndInflatedInPiecesToTheSameBytes) {
  // Hardly compressible bytes, so that the stream spans several pieces of input.
  Bytes payload(9 * 1024 * 1024);
  std::uint32_t state = 2463534242u;
  for (std::uint8_t& byte : payload) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<std::uint8_t>(state);
  }
  const Bytes framed = framedBlock(payload);
  const test::TempFolder folder;
  const auto path = folder.path() / "block.zrx";
  test::WriteBytes(path, framed);

  ByteBuffer file;
  ASSERT_TRUE(ReadWholeFile(path, framed.size(), file));
  ByteReader in(file);
  ASSERT_TRUE(in.skip(16));
  ByteBuffer inflated;
  ASSERT_EQ(kBlockRead, ReadCompressedBlock(in, file, inflated, kMaxPayloadSize));
  EXPECT_TRUE(std::ranges::equal(payload, inflated.bytes()));
  EXPECT_EQ(78u, in.remaining());
  // The memory given back on the way is read again from the file when it is touched.
  EXPECT_TRUE(std::ranges::equal(framed, file.bytes()));
}

}  // namespace
}  // namespace zrx
