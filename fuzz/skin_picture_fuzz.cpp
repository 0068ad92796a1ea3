// libFuzzer target: a skin picture file of any bytes goes the whole way a skin picture
// goes (existence, size, reading, libjpeg behind our decoder) and must be refused with
// EInvalidGraphic, never crash, hang, exit or run out of memory.
#include <cstdint>
#include <string>
#include <string_view>

#include "ScratchFile.h"
#include "platform/FileSystem.h"
#include "platform/Utf.h"
#include "skins/Skins.h"

namespace {

// Removed when the run ends, as the static goes.
const std::u16string& PictureFile() {
  static const ScratchFile file("Right.JPG");
  static const std::u16string path = pendra::FromUtf8(file.Path().string());
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pendra::WriteWholeFile(PictureFile(), std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    pendra::LoadSkinPicture(PictureFile());
  } catch (const pendra::EInvalidGraphic&) {
  }
  return 0;
}
