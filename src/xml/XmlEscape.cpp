#include "xml/XmlEscape.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/Utf.h"
#include "xml/XmlChars.h"

namespace pendra {

namespace {

// For each ASCII unit the length of its escaped form, and the named references. A unit
// of length 1 is written as it is; a control character without a name as "&#xHH;".
struct EscapeTable {
  std::array<uint8_t, 128> lengths{};
  std::array<std::string_view, 128> named{};
  constexpr EscapeTable() {
    for (int c = 0; c < 128; ++c) lengths[c] = c < 0x20 && c != '\t' && c != '\n' && c != '\r' ? 6 : 1;
    named['"'] = "&quot;";
    named['&'] = "&amp;";
    named['\''] = "&apos;";
    named['<'] = "&lt;";
    named['>'] = "&gt;";
    for (int c = 0; c < 128; ++c) {
      if (!named[c].empty()) lengths[c] = static_cast<uint8_t>(named[c].size());
    }
  }
};
constexpr EscapeTable kEscapes;

constexpr char kHexDigits[] = "0123456789ABCDEF";

template <class Char>
Char* WriteHexReference(char16_t c, int digits, Char* out) {
  *out++ = '&';
  *out++ = '#';
  *out++ = 'x';
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) *out++ = kHexDigits[(c >> shift) & 0xF];
  *out++ = ';';
  return out;
}

// The value of each ASCII digit, hexadecimal ones in both letter cases; 16 for any other unit.
struct DigitTable {
  std::array<uint8_t, 128> values{};
  constexpr DigitTable() {
    for (int c = 0; c < 128; ++c) values[c] = 16;
    for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<uint8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) values[c] = static_cast<uint8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) values[c] = static_cast<uint8_t>(c - 'A' + 10);
  }
};
constexpr DigitTable kDigits;

int DigitValue(char16_t c, bool hex) {
  int value = c < 0x80 ? kDigits.values[c] : 16;
  return value < (hex ? 16 : 10) ? value : -1;
}

// A unit of UTF-16 text or a byte of UTF-8 text; references are ASCII in both.
char16_t UnitOf(char16_t unit) { return unit; }
char16_t UnitOf(char byte) { return static_cast<unsigned char>(byte); }

// "&#...;" at the start of text (which begins with "&#"): the code unit and the length
// of the reference, or a length of 0 when it is not a reference.
template <class Char>
size_t MatchCharacterReference(std::basic_string_view<Char> text, char16_t& unit) {
  bool hex = text.size() > 2 && (text[2] == 'x' || text[2] == 'X');
  size_t i = hex ? 3 : 2;
  size_t firstDigit = i;
  uint32_t value = 0;
  for (int digit; i < text.size() && (digit = DigitValue(UnitOf(text[i]), hex)) >= 0; ++i) {
    value = (value * (hex ? 16 : 10) + static_cast<uint32_t>(digit)) & 0xFFFF;
  }
  if (i == firstDigit || i == text.size() || text[i] != ';') return 0;
  unit = static_cast<char16_t>(value);
  return i + 1;
}

template <class Char>
size_t MatchNamedReference(std::basic_string_view<Char> text, char16_t& unit) {
  static constexpr struct {
    std::string_view name;
    char16_t unit;
  } kNamed[] = {{"&AMP;", u'&'}, {"&LT;", u'<'}, {"&GT;", u'>'}, {"&APOS;", u'\''}, {"&QUOT;", u'"'}};
  if (text.size() < 4) return 0;
  char16_t first = xmlchars::FoldCase(UnitOf(text[1]));
  for (const auto& named : kNamed) {
    if (named.name[1] != first || text.size() < named.name.size()) continue;
    size_t i = 2;
    while (i < named.name.size() && xmlchars::FoldCase(UnitOf(text[i])) == named.name[i]) ++i;
    if (i == named.name.size()) {
      unit = named.unit;
      return i;
    }
  }
  return 0;
}

int HexValue(char byte) {
  auto unit = static_cast<unsigned char>(byte);
  return unit < 0x80 ? kDigits.values[unit] : 16;
}

// "&#xHH;" and "&#xHHHH;", the forms the writer uses, told without a loop: the unit and the
// length, or a length of 0 for any other text (which may still be a reference).
size_t MatchWrittenHexReference(std::string_view text, char16_t& unit) {
  if (text.size() < 6 || (text[2] | 0x20) != 'x') return 0;
  int high = HexValue(text[3]);
  int low = HexValue(text[4]);
  if ((high | low) >= 16) return 0;
  if (text[5] == ';') {
    unit = static_cast<char16_t>(high * 16 + low);
    return 6;
  }
  if (text.size() < 8 || text[7] != ';') return 0;
  int third = HexValue(text[5]);
  int fourth = HexValue(text[6]);
  if ((third | fourth) >= 16) return 0;
  unit = static_cast<char16_t>(((high * 16 + low) * 16 + third) * 16 + fourth);
  return 8;
}

size_t MatchExactly(std::string_view text, std::string_view reference, char16_t value, char16_t& unit) {
  if (text.substr(0, reference.size()) != reference) return 0;
  unit = value;
  return reference.size();
}

// The references the writer writes, in the letter case it writes them: the unit and the
// length, or a length of 0 for any other text (which may still be a reference).
size_t MatchWrittenReference(std::string_view text, char16_t& unit) {
  switch (text.size() > 2 ? text[1] : 0) {
    case '#': return MatchWrittenHexReference(text, unit);
    case 'l': return MatchExactly(text, "&lt;", u'<', unit);
    case 'g': return MatchExactly(text, "&gt;", u'>', unit);
    case 'q': return MatchExactly(text, "&quot;", u'"', unit);
    case 'a':
      return text[2] == 'm' ? MatchExactly(text, "&amp;", u'&', unit) : MatchExactly(text, "&apos;", u'\'', unit);
    default: return 0;
  }
}

template <class Char>
size_t MatchAnyReference(std::basic_string_view<Char> text, char16_t& unit) {
  if (text.size() > 1 && text[1] == '#') return MatchCharacterReference(text, unit);
  return MatchNamedReference(text, unit);
}

// How many of eight bytes (the first one the lowest) come before the first "<", "&" or
// byte beyond ASCII: 8 when there is none.
int PlainAsciiBytes(uint64_t eight) {
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kHighBits = 0x8080808080808080;
  uint64_t zeroWhereAmpersand = eight ^ ('&' * kOnes);
  uint64_t zeroWhereLess = eight ^ ('<' * kOnes);
  uint64_t stops =
      (eight | ((zeroWhereAmpersand - kOnes) & ~zeroWhereAmpersand) | ((zeroWhereLess - kOnes) & ~zeroWhereLess)) &
      kHighBits;
  return std::countr_zero(stops) / 8;
}

// Four bytes (the first one the lowest) spread to the low bytes of four 16-bit units.
uint64_t WidenFour(uint64_t four) {
  four = (four | (four << 16)) & 0x0000FFFF0000FFFF;
  return (four | (four << 8)) & 0x00FF00FF00FF00FF;
}

// Eight bytes (the first one the lowest) as eight units.
void WidenEight(uint64_t eight, char16_t* out) {
  uint64_t units[2] = {WidenFour(eight & 0xFFFFFFFF), WidenFour(eight >> 32)};
  std::memcpy(out, units, sizeof units);
}

}  // namespace

size_t MatchReference(std::u16string_view text, char16_t& unit) { return MatchAnyReference(text, unit); }

size_t EscapedLength(std::u16string_view value) {
  size_t length = 0;
  for (char16_t c : value) length += c < 0x80 ? kEscapes.lengths[c] : c < 0x100 ? 6 : 8;
  return length;
}

template <class Char>
Char* WriteEscaped(std::u16string_view value, Char* out) {
  for (char16_t c : value) {
    if (c < 0x80 && kEscapes.lengths[c] == 1) {
      *out++ = static_cast<Char>(c);
    } else if (c < 0x80 && !kEscapes.named[c].empty()) {
      for (char n : kEscapes.named[c]) *out++ = static_cast<Char>(n);
    } else {
      out = WriteHexReference(c, c < 0x100 ? 2 : 4, out);
    }
  }
  return out;
}

template char* WriteEscaped<char>(std::u16string_view, char*);
template char16_t* WriteEscaped<char16_t>(std::u16string_view, char16_t*);

std::u16string EscapeValue(std::u16string_view value) {
  std::u16string escaped(EscapedLength(value), u'\0');
  WriteEscaped(value, escaped.data());
  return escaped;
}

size_t UnescapeTo(std::u16string_view text, char16_t* out) {
  size_t read = std::min(text.find(u'&'), text.size());
  if (out != text.data()) std::memcpy(out, text.data(), read * sizeof(char16_t));
  size_t write = read;
  while (read < text.size()) {
    char16_t unit;
    size_t length = MatchReference(text.substr(read), unit);
    if (length > 0) {
      out[write++] = unit;
      read += length;
    } else {
      out[write++] = text[read++];
    }
    while (read < text.size() && text[read] != u'&') out[write++] = text[read++];
  }
  return write;
}

Utf8Unescaped UnescapeUtf8To(std::string_view text, char16_t* out, bool& replaced) {
  const char16_t* start = out;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    if (end - p >= 8) {
      uint64_t eight;
      std::memcpy(&eight, p, 8);
      int plain = PlainAsciiBytes(eight);
      WidenEight(eight, out);
      p += plain;
      out += plain;
      if (plain == 8) continue;
    }
    auto byte = static_cast<unsigned char>(*p);
    if (byte == '<') break;
    if (byte < 0x80 && byte != '&') {
      *out++ = byte;
      ++p;
      continue;
    }
    std::string_view rest(p, static_cast<size_t>(end - p));
    if (byte == '&') {
      size_t length = MatchWrittenReference(rest, *out);
      if (length == 0) length = MatchAnyReference(rest, *out);
      if (length == 0) *out = u'&';
      ++out;
      p += length == 0 ? 1 : length;
      continue;
    }
    Utf8Character character = DecodeUtf8Character(rest);
    p += character.length;
    if (character.codePoint == kInvalidUtf8) {
      *out++ = u'\xFFFD';
      replaced = true;
    } else {
      out += WriteUtf16(character.codePoint, out);
    }
  }
  return {static_cast<size_t>(p - text.data()), static_cast<size_t>(out - start)};
}

size_t UnescapeInPlace(char16_t* text, size_t size) { return UnescapeTo(std::u16string_view(text, size), text); }

std::u16string UnescapeValue(std::u16string_view text) {
  std::u16string result(text);
  result.resize(UnescapeInPlace(result.data(), result.size()));
  return result;
}

}  // namespace pendra
