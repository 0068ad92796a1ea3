// libFuzzer target: the PNG decoder must refuse any bytes with EInvalidGraphic,
// never crash, hang or run out of memory. Random bytes almost never carry valid
// CRCs, so the target first writes the right CRC into every complete chunk; the
// fuzzer then explores what lies behind the CRC check (which the unit tests
// cover on its own).
#include <zlib.h>

#include <cstdint>
#include <string>

#include "gfx/PngDecoder.h"

namespace {

std::uint32_t Big32(const unsigned char *p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 |
         std::uint32_t{p[2]} << 8 | p[3];
}

void FixChunkCrcs(std::string &bytes) {
  auto *p = reinterpret_cast<unsigned char *>(bytes.data());
  for (std::size_t at = 8; at + 12 <= bytes.size();) {
    const std::uint32_t length = Big32(p + at);
    if (length > bytes.size() - at - 12)
      break;
    const uLong crc = crc32(0, p + at + 4, static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i)
      p[at + 8 + length + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  std::string bytes(reinterpret_cast<const char *>(data), size);
  if (pendra::HasPngSignature(bytes))
    FixChunkCrcs(bytes);
  try {
    pendra::DecodePng(bytes);
  } catch (const pendra::EInvalidGraphic &) {
  }
  return 0;
}
