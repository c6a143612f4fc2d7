#include "picture.h"

#include <gtest/gtest.h>

#include "package_fixture.h"

namespace zrx {
namespace {

TEST(Picture, ValidJpegHasValidHeaderAndDecodesToRgb) {
  const Picture picture = testing::MakeTestPicture(16, 8, 90);
  EXPECT_TRUE(HasValidJpegHeader(picture.jpeg()));
  const auto image = DecodeJpeg(picture.jpeg());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(16, image->width);
  EXPECT_EQ(8, image->height);
  ASSERT_EQ(16u * 8u * 3u, image->rgb.size());
  EXPECT_NEAR(90, image->rgb[0], 3);
}

TEST(Picture, BadDataIsRefusedWithoutEndingTheProgram) {
  const Picture good = testing::MakeTestPicture();
  std::vector<std::uint8_t> noMarker(good.jpeg().begin(), good.jpeg().end());
  noMarker[0] = 0x00;
  const std::vector<std::uint8_t> headerOnly(good.jpeg().begin(), good.jpeg().begin() + 4);
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {{"empty", {}}, {"no start marker", noMarker}, {"cut after the marker", headerOnly},
               {"text", {'h', 'e', 'l', 'l', 'o'}}};
  for (const auto& c : cases) {
    EXPECT_FALSE(HasValidJpegHeader(c.bytes)) << c.name;
    EXPECT_FALSE(DecodeJpeg(c.bytes).has_value()) << c.name;
  }
}

}  // namespace
}  // namespace zrx
