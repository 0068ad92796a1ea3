#include "xml/XmlIntValue.h"

#include <limits>

namespace pendra {

namespace {

constexpr int64_t kNone = -1;

int DigitValue(char16_t c, unsigned base) {
  int value = c >= u'0' && c <= u'9'   ? c - u'0'
              : c >= u'a' && c <= u'f' ? c - u'a' + 10
              : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                       : 99;
  return value < static_cast<int>(base) ? value : -1;
}

bool StartsWithHexMark(std::u16string_view& text) {
  for (std::u16string_view mark : {u"0x", u"0X", u"$", u"x", u"X"}) {
    if (text.starts_with(mark)) {
      text.remove_prefix(mark.size());
      return true;
    }
  }
  return false;
}

}  // namespace

int64_t ParseIntValue(std::u16string_view text) {
  while (text.starts_with(u' ')) text.remove_prefix(1);
  bool negative = text.starts_with(u'-');
  if (negative || text.starts_with(u'+')) text.remove_prefix(1);
  unsigned base = StartsWithHexMark(text) ? 16 : 10;
  if (text.empty()) return kNone;

  // Decimal values must fit the signed range; hexadecimal ones the 64 bits.
  uint64_t limit = base == 16 ? std::numeric_limits<uint64_t>::max()
                              : static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  for (char16_t c : text) {
    int digit = DigitValue(c, base);
    if (digit < 0 || magnitude > (limit - static_cast<uint64_t>(digit)) / base) return kNone;
    magnitude = magnitude * base + static_cast<uint64_t>(digit);
  }
  return static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
}

}  // namespace pendra
