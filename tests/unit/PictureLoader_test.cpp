#include "gfx/PictureLoader.h"

#include <gtest/gtest.h>

#include "GfxFixtures.h"
#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

TEST(GfxPictureLoader, ChoosesTheDecoderByTheSignature) {
  EXPECT_EQ(DecodePicture(test::ReadGfxFixture("rgba8.png")).width, 5);
  EXPECT_EQ(DecodePicture(test::ReadGfxFixture("odd-size-420.jpg")).width, 13);
  for (const char* other : {"", "GIF89a\x01\x00\x01\x00", "BM6\x00\x00\x00", "\xFF\xD8"})
    EXPECT_THROW(DecodePicture(other), EInvalidGraphic);
}

TEST(GfxPictureLoader, LoadsFilesAndReportsMissingOnes) {
  const std::u16string folder = FromUtf8(PENDRA_SOURCE_DIR "/tests/unit/fixtures/gfx/");
  EXPECT_EQ(LoadPictureFile(folder + u"quadrants.jpg").height, 16);
  EXPECT_THROW(LoadPictureFile(folder + u"missing.jpg"), EFOpenError);
}

}  // namespace pendra
