#include "gfx/JpegDecoder.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "GfxFixtures.h"

namespace pendra {

namespace {

using test::Channel;
using test::ReadGfxFixture;

// JPEG is lossy: colours of flat areas come back within a few steps.
void ExpectColour(std::uint32_t pixel, unsigned red, unsigned green, unsigned blue) {
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_NEAR(Channel(pixel, 16), red, 6);
  EXPECT_NEAR(Channel(pixel, 8), green, 6);
  EXPECT_NEAR(Channel(pixel, 0), blue, 6);
}

}  // namespace

TEST(GfxJpeg, DecodesBaselineProgressiveArithmeticAndCmyk) {
  for (const char* name :
       {"quadrants.jpg", "quadrants-progressive.jpg", "quadrants-arithmetic.jpg", "quadrants-cmyk.jpg"}) {
    SCOPED_TRACE(name);
    const Picture picture = DecodeJpeg(ReadGfxFixture(name));
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 16);
    ASSERT_EQ(picture.pixels.size(), 256u);
    ExpectColour(picture.At(3, 3), 220, 30, 40);
    ExpectColour(picture.At(12, 3), 30, 160, 60);
    ExpectColour(picture.At(3, 12), 40, 60, 200);
    ExpectColour(picture.At(12, 12), 250, 250, 250);
  }
}

TEST(GfxJpeg, DecodesGreyAndSubsampledOddSizes) {
  const Picture grey = DecodeJpeg(ReadGfxFixture("grey.jpg"));
  ASSERT_EQ(grey.width, 16);
  ExpectColour(grey.At(2, 4), 50, 50, 50);
  ExpectColour(grey.At(13, 4), 200, 200, 200);

  const Picture odd = DecodeJpeg(ReadGfxFixture("odd-size-420.jpg"));
  ASSERT_EQ(odd.width, 13);
  ASSERT_EQ(odd.height, 7);
  ExpectColour(odd.At(12, 6), 120, 140, 160);
}

TEST(GfxJpeg, EveryTruncationFailsCleanly) {
  for (const char* name : {"quadrants.jpg", "quadrants-progressive.jpg"}) {
    const std::string whole = ReadGfxFixture(name);
    for (std::size_t length = 0; length < whole.size(); ++length)
      EXPECT_THROW(DecodeJpeg(whole.substr(0, length)), EInvalidGraphic) << name << " cut at " << length;
  }
}

TEST(GfxJpeg, DamagedImageDataFailsWithLibjpegsMessage) {
  try {
    DecodeJpeg(ReadGfxFixture("bad-marker-in-scan.jpg"));
    FAIL() << "decoded a damaged file";
  } catch (const EInvalidGraphic& failure) {
    EXPECT_STREQ(failure.what(), "JPEG: Corrupt JPEG data: premature end of data segment.");
  }
  EXPECT_THROW(DecodeJpeg("not a picture"), EInvalidGraphic);
}

TEST(GfxJpeg, RefusesPicturesBeyondTheLimits) {
  std::string huge = ReadGfxFixture("quadrants.jpg");
  const std::size_t frame = huge.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  huge.replace(frame + 5, 4, "\xEA\x60\xEA\x60");  // 60000 × 60000
  struct Case {
    std::string bytes;
    const char* message;
  };
  for (const Case& c :
       {Case{huge, "The picture is too large."}, Case{ReadGfxFixture("bad-many-scans.jpg"), "JPEG: Too many scans."}}) {
    try {
      DecodeJpeg(c.bytes);
      ADD_FAILURE() << "decoded " << c.message;
    } catch (const EInvalidGraphic& failure) {
      EXPECT_STREQ(failure.what(), c.message);
    }
  }
}

}  // namespace pendra
