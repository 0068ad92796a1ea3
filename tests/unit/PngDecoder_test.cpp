#include "gfx/PngDecoder.h"

#include <gtest/gtest.h>

#include "GfxFixtures.h"

namespace pendra {

namespace {

using test::ReadGfxFixture;

// The picture a case must decode to: <case>.rgba holds width and height (big-endian) and
// straight RGBA bytes; the decoder delivers them premultiplied.
Picture Expected(const std::string& name) {
  const std::string raw = ReadGfxFixture(name + ".rgba");
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(raw[i]); };
  auto big32 = [&](std::size_t i) { return byte(i) << 24 | byte(i + 1) << 16 | byte(i + 2) << 8 | byte(i + 3); };
  Picture picture{static_cast<int>(big32(0)), static_cast<int>(big32(4)), {}};
  for (std::size_t i = 8; i + 3 < raw.size(); i += 4)
    picture.pixels.push_back(PremultipliedPixel(byte(i), byte(i + 1), byte(i + 2), byte(i + 3)));
  return picture;
}

void ExpectFailure(const std::string& bytes, const std::string& reason) {
  try {
    DecodePng(bytes);
    ADD_FAILURE() << "decoded although " << reason;
  } catch (const EInvalidGraphic& failure) {
    EXPECT_NE(std::string(failure.what()).find(reason), std::string::npos) << failure.what();
  }
}

}  // namespace

TEST(GfxPng, DecodesEveryColourTypeBitDepthFilterAndInterlacing) {
  for (const char* name :
       {"grey1",       "grey2",           "grey4",          "grey8",        "grey16",   "grey8-trns", "grey16-trns",
        "rgb8",        "rgb16",           "rgb8-trns",      "rgb16-trns",   "palette1", "palette2",   "palette4",
        "palette8",    "palette8-trns",   "grey-alpha8",    "grey-alpha16", "rgba8",    "rgba16",     "rgba8-adam7",
        "grey2-adam7", "rgb8-adam7-tiny", "rgb8-adam7-one", "chunks"}) {
    SCOPED_TRACE(name);
    const Picture expected = Expected(name);
    const Picture picture = DecodePng(ReadGfxFixture(std::string(name) + ".png"));
    ASSERT_EQ(picture.width, expected.width);
    ASSERT_EQ(picture.height, expected.height);
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x) ASSERT_EQ(picture.At(x, y), expected.At(x, y)) << "at " << x << ", " << y;
  }
}

TEST(GfxPng, ColoursArePremultipliedByAlpha) {
  const Picture picture = DecodePng(ReadGfxFixture("palette8-trns.png"));
  // Palette entry 1 is RGB 37, 111, 250 at alpha 128; entry 0 is fully transparent.
  EXPECT_EQ(picture.At(0, 0), 0x00000000u);
  EXPECT_EQ(picture.At(0, 1), 0x8013387Du);
}

TEST(GfxPng, RefusesEachDamagedFileForItsFault) {
  struct Case {
    const char* file;
    const char* reason;
  };
  for (const Case& c :
       {Case{"bad-filter.png", "unknown row filter"}, Case{"bad-deflate.png", "damaged"},
        Case{"bad-short-data.png", "ends early"}, Case{"bad-tiny-data.png", "ends early"},
        Case{"bad-palette-index.png", "past the end of the palette"}, Case{"bad-no-palette.png", "palette is missing"},
        Case{"bad-depth.png", "bit depth"}, Case{"bad-zero-width.png", "no pixels"}, Case{"bad-huge.png", "too large"},
        Case{"bad-unknown-critical.png", "critical chunk CRIT"}, Case{"bad-idat-apart.png", "not consecutive"},
        Case{"bad-no-iend.png", "before its IEND"}, Case{"bad-no-idat.png", "no image data"},
        Case{"bad-ihdr-late.png", "begin with an IHDR"},
        Case{"bad-plte-after-idat.png", "PLTE follows the image data"}}) {
    SCOPED_TRACE(c.file);
    ExpectFailure(ReadGfxFixture(c.file), c.reason);
  }
  ExpectFailure("", "signature");
  ExpectFailure("\x89PNG\r\n\x1a", "signature");
}

TEST(GfxPng, EveryTruncationFailsCleanly) {
  for (const char* name : {"rgba8-adam7.png", "palette8-trns.png"}) {
    const std::string whole = ReadGfxFixture(name);
    for (std::size_t length = 0; length < whole.size(); ++length)
      EXPECT_THROW(DecodePng(whole.substr(0, length)), EInvalidGraphic) << name << " cut at " << length;
  }
}

TEST(GfxPng, EveryChangedByteIsCaught) {
  const std::string whole = ReadGfxFixture("rgb8.png");
  for (std::size_t i = 8; i < whole.size(); ++i) {
    std::string changed = whole;
    changed[i] = static_cast<char>(changed[i] ^ 0x10);
    EXPECT_THROW(DecodePng(changed), EInvalidGraphic) << "byte " << i;
  }
}

}  // namespace pendra
