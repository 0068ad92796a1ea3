#include "gfx/Picture.h"

namespace pendra {

void CheckPictureSize(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1) throw EInvalidGraphic(u"The picture has no pixels.");
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
    throw EInvalidGraphic(u"The picture is too large.");
}

std::uint32_t PremultipliedPixel(unsigned red, unsigned green, unsigned blue, unsigned alpha) {
  auto scale = [alpha](unsigned c) { return (c * alpha + 127) / 255; };
  return alpha << 24 | scale(red) << 16 | scale(green) << 8 | scale(blue);
}

}  // namespace pendra
