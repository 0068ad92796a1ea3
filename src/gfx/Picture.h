#pragma once
// A decoded picture and the failure of decoding one.
//
// Pixels are 32-bit values 0xAARRGGBB, rows top-down, no padding. On the little-endian
// machines we build for that is B, G, R, A in memory, the layout of a 32-bit DIB. Colours
// are premultiplied by alpha, so a picture goes unchanged into AlphaBlend; opaque pictures
// (alpha 255 everywhere) are the same either way.
#include <cstdint>
#include <vector>

#include "platform/Failure.h"

namespace pendra {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Largest pictures we decode: far beyond any skin or built-in picture, small enough that a
// hostile header cannot make us allocate more than 64 MB for its pixels.
constexpr int kMaxPictureSide = 8192;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 24;

// Raised for every picture that cannot be decoded: unknown format, damaged, truncated or
// too large.
class EInvalidGraphic : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EInvalidGraphic"; }
};

// Throws EInvalidGraphic unless width × height lies within the limits above.
void CheckPictureSize(std::int64_t width, std::int64_t height);

// 0xAARRGGBB from straight (not premultiplied) components.
std::uint32_t PremultipliedPixel(unsigned red, unsigned green, unsigned blue, unsigned alpha);

}  // namespace pendra
