#pragma once
// Character classes of the reader, per UTF-16 code unit. ASCII names go through one
// table; everything above ASCII through a few ranges.
#include <cstdint>
#include <string_view>

namespace pendra::xmlchars {

enum : uint8_t {
  kName = 1,       // may stand in an element name (first character included)
  kPropStart = 2,  // may begin an attribute name
};

struct AsciiTable {
  uint8_t bits[128] = {};
  constexpr AsciiTable() {
    for (int c = '0'; c <= '9'; ++c) bits[c] |= kName;
    for (int c = 'A'; c <= 'Z'; ++c) bits[c] |= kName | kPropStart;
    for (int c = 'a'; c <= 'z'; ++c) bits[c] |= kName | kPropStart;
    for (int c : {'_', '-', '.'}) bits[c] |= kName | kPropStart;
  }
};
inline constexpr AsciiTable kAscii;

// The Unicode White_Space characters.
constexpr bool IsSpace(char16_t c) {
  if (c <= 0x20) return (0x100003E00ull >> c) & 1;  // tab, LF, VT, FF, CR, blank
  if (c < 0x80) return false;
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

// Letters, digits and the other characters that may continue an identifier (XML's name
// characters without ':'); both halves of a surrogate pair count, so that names may hold
// characters beyond the BMP.
constexpr bool IsNameChar(char16_t c) {
  if (c < 0x80) return kAscii.bits[c] & kName;
  return c == 0xB7 || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D || c == 0x203F || c == 0x2040 ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xDFFF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD);
}

// A letter, '_', '-' or '.': the first character of an attribute name.
constexpr bool IsPropStart(char16_t c) {
  if (c < 0x80) return kAscii.bits[c] & kPropStart;
  return IsNameChar(c) && c != 0xB7 && !(c >= 0x300 && c <= 0x36F) && c != 0x203F && c != 0x2040;
}

// Letters a to z count as their upper-case forms; nothing else is folded.
constexpr char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

constexpr bool SameFolded(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace pendra::xmlchars
