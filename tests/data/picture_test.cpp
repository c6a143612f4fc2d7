#include "picture.h"

#include <gtest/gtest.h>

#include "jpeg_decoder.h"
#include "package_fixture.h"

namespace zrx {
namespace {

TEST(Picture, ValidJpegHasValidHeaderAndDecodesToRgb) {
  const Picture picture = test::MakeTestPicture(16, 8, 90);
  EXPECT_TRUE(HasValidJpegHeader(picture.jpeg()));
  const auto image = DecodeJpeg(picture.jpeg());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(16, image->width);
  EXPECT_EQ(8, image->height);
  ASSERT_EQ(16u * 8u * 3u, image->rgb.size());
  EXPECT_NEAR(90, image->rgb[0], 3);
}

TEST(Picture, BadDataIsRefusedWithoutEndingTheProgram) {
  const Picture good = test::MakeTestPicture();
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

// One decoder serves picture after picture: sizes change, and a broken picture in between
// leaves it ready for the next one.
TEST(JpegDecoder, ReusedAcrossSizesAndAfterABrokenPicture) {
  JpegDecoder decoder;
  DecodedImage image;
  const std::vector<std::uint8_t> broken = {0xFF, 0xD8, 0xFF, 0x00, 0x01};
  const struct {
    Picture picture;
    bool readable;
    int width, height, shade;
  } cases[] = {{test::MakeTestPicture(16, 8, 90), true, 16, 8, 90},
               {Picture(broken), false, 0, 0, 0},
               {test::MakeTestPicture(40, 24, 200), true, 40, 24, 200},
               {test::MakeTestPicture(8, 8, 30), true, 8, 8, 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.readable, decoder.hasValidHeader(c.picture.jpeg())) << c.width;
    ASSERT_EQ(c.readable, decoder.decode(c.picture.jpeg(), image)) << c.width;
    if (!c.readable) continue;
    EXPECT_EQ(c.width, image.width);
    EXPECT_EQ(c.height, image.height);
    ASSERT_EQ(static_cast<std::size_t>(c.width * c.height * 3), image.rgb.size());
    EXPECT_NEAR(c.shade, image.rgb.front(), 3) << c.width;
    EXPECT_NEAR(c.shade, image.rgb.back(), 3) << c.width;
  }
}

}  // namespace
}  // namespace zrx
