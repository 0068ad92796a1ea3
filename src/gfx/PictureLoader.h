#pragma once
// Loads a picture whatever its format: the decoder is chosen by the file's signature.
#include <string>
#include <string_view>

#include "gfx/Picture.h"

namespace pendra {

// PNG or JPEG; EInvalidGraphic for any other bytes.
Picture DecodePicture(std::string_view bytes);

// Reads the file (EFOpenError/EInOutError when that fails) and decodes it.
Picture LoadPictureFile(const std::u16string& path);

}  // namespace pendra
