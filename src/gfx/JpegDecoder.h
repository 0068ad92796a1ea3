#pragma once
// JPEG pictures decoded with libjpeg: greyscale, YCbCr/RGB and CMYK/YCCK, baseline,
// progressive and arithmetic-coded. A file that is cut off or whose image data is damaged
// fails instead of showing a partly grey picture.
#include <string_view>

#include "gfx/Picture.h"

namespace pendra {

bool HasJpegSignature(std::string_view bytes);

// Throws EInvalidGraphic for anything libjpeg cannot decode completely, and for pictures
// beyond the size limits.
Picture DecodeJpeg(std::string_view bytes);

}  // namespace pendra
