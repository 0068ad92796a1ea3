#pragma once
// Our PNG decoder on zlib's inflate: every colour type and bit depth the format allows,
// transparency (tRNS), Adam7 interlacing and all five row filters. Each chunk's CRC is
// checked; ancillary chunks other than tRNS are skipped.
#include <string_view>

#include "gfx/Picture.h"

namespace pendra {

bool HasPngSignature(std::string_view bytes);

// Throws EInvalidGraphic for anything but a complete, valid PNG picture within the size limits.
Picture DecodePng(std::string_view bytes);

}  // namespace pendra
