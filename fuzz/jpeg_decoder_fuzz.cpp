// libFuzzer target: libjpeg behind our decoder must refuse any bytes with
// EInvalidGraphic, never crash, hang, exit or run out of memory.
#include <cstdint>
#include <string_view>

#include "gfx/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  try {
    pendra::DecodeJpeg(
        std::string_view(reinterpret_cast<const char *>(data), size));
  } catch (const pendra::EInvalidGraphic &) {
  }
  return 0;
}
