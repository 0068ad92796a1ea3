#include "gfx/PictureLoader.h"

#include "gfx/JpegDecoder.h"
#include "gfx/PngDecoder.h"
#include "platform/FileSystem.h"

namespace pendra {

Picture DecodePicture(std::string_view bytes) {
  if (HasPngSignature(bytes)) return DecodePng(bytes);
  if (HasJpegSignature(bytes)) return DecodeJpeg(bytes);
  throw EInvalidGraphic(u"The file is neither a PNG nor a JPEG picture.");
}

Picture LoadPictureFile(const std::u16string& path) { return DecodePicture(ReadWholeFile(path)); }

}  // namespace pendra
