#pragma once
// Conversions between the program's UTF-16 text and UTF-8 (file names, logs, tests, and
// the XML engine's UTF-8 documents).
#include <cstddef>
#include <string>
#include <string_view>

namespace pendra {

std::string ToUtf8(std::u16string_view text);
// Invalid sequences become U+FFFD, one per byte.
std::u16string FromUtf8(std::string_view bytes);

// The character at the front of UTF-8 bytes: its code point and the bytes it takes.
// Overlong forms, surrogates, values above U+10FFFF, a stray or unknown byte and a
// sequence cut short give kInvalidUtf8 and take one byte, so that decoding goes on with
// the next one. Inline because the XML reader calls it for every non-ASCII character.
struct Utf8Character {
  char32_t codePoint;
  size_t length;
};
inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// bytes must not be empty.
inline Utf8Character DecodeUtf8Character(std::string_view bytes) {
  auto byte = [bytes](size_t at) { return static_cast<unsigned char>(bytes[at]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  const size_t extra = (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : 0;
  constexpr Utf8Character kInvalid = {kInvalidUtf8, 1};
  if (extra == 0 || bytes.size() <= extra) return kInvalid;
  char32_t c = lead & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return kInvalid;
    c = (c << 6) | (byte(k) & 0x3F);
  }
  const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return kInvalid;
  return {c, extra + 1};
}

// Writes the UTF-16 units of a code point (one, or a surrogate pair) and returns how many.
inline size_t WriteUtf16(char32_t c, char16_t* out) {
  if (c < 0x10000) {
    out[0] = static_cast<char16_t>(c);
    return 1;
  }
  c -= 0x10000;
  out[0] = static_cast<char16_t>(0xD800 + (c >> 10));
  out[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  return 2;
}

}  // namespace pendra
