#include "gfx/PictureScaling.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

Picture Filled(int width, int height, std::uint32_t pixel) {
  return {width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, pixel)};
}

TEST(PictureScaling, AnEvenColourStaysEvenAtEverySize) {
  const Picture red = Filled(30, 180, 0xFFD02C32);
  for (const auto& [width, height] : {std::pair{24, 144}, {36, 216}, {48, 288}, {1, 1}}) {
    const Picture resized = ResizePicture(red, width, height);
    ASSERT_EQ(resized.width, width);
    ASSERT_EQ(resized.height, height);
    for (std::uint32_t pixel : resized.pixels) ASSERT_EQ(pixel, 0xFFD02C32u);
  }
}

TEST(PictureScaling, ShrinkingAveragesAndEnlargingBlendsSmoothly) {
  // Black and white columns: halved, every pixel is a grey between them, none black or white.
  Picture stripes = Filled(4, 2, 0xFF000000);
  for (int y = 0; y < 2; ++y) stripes.pixels[y * 4 + 1] = stripes.pixels[y * 4 + 3] = 0xFFFFFFFF;
  for (std::uint32_t pixel : ResizePicture(stripes, 2, 1).pixels) {
    EXPECT_GT(pixel & 0xFF, 64u);
    EXPECT_LT(pixel & 0xFF, 192u);
  }

  // A black pixel beside a white one, doubled: the two in the middle lie between them.
  Picture pair = Filled(2, 1, 0xFF000000);
  pair.pixels[1] = 0xFFFFFFFF;
  const Picture doubled = ResizePicture(pair, 4, 1);
  EXPECT_EQ(doubled.pixels[0] & 0xFF, 0u);
  EXPECT_GT(doubled.pixels[1] & 0xFF, 0u);
  EXPECT_LT(doubled.pixels[2] & 0xFF, 255u);
  EXPECT_EQ(doubled.pixels[3] & 0xFF, 255u);
}

TEST(PictureScaling, SoftEdgesStayPremultiplied) {
  Picture dot = Filled(3, 3, 0x00000000);
  dot.pixels[4] = 0x80804020;  // half-transparent, premultiplied
  for (std::uint32_t pixel : ResizePicture(dot, 5, 5).pixels) {
    const std::uint32_t alpha = pixel >> 24;
    EXPECT_LE(pixel >> 16 & 0xFF, alpha);
    EXPECT_LE(pixel >> 8 & 0xFF, alpha);
    EXPECT_LE(pixel & 0xFF, alpha);
  }
  EXPECT_EQ(ScalePicture(dot, Scale{}).pixels, dot.pixels);
  EXPECT_EQ(ScalePicture(dot, Scale(192)).width, 5);
}

}  // namespace
}  // namespace pendra
