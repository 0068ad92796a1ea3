#include "platform/Utf.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(Utf, RoundTripsUmlautsEuroAndSurrogatePairs) {
  std::u16string text = u"Müll 20 € \U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"ü"), "\xC3\xBC");
}

TEST(Utf, InvalidBytesBecomeReplacementCharacters) {
  struct Case {
    std::string bytes;
    std::u16string expected;
  };
  for (const Case& c : {Case{"\xC3", u"\xFFFD"},
                        Case{"a\xFF"
                             "b",
                             u"a\xFFFD"
                             u"b"},
                        Case{"\xC0\xAF", u"\xFFFD\xFFFD"}, Case{"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"}}) {
    EXPECT_EQ(FromUtf8(c.bytes), c.expected);
  }
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Utf, DecodeUtf8CharacterTakesOneCharacterOrOneInvalidByte) {
  struct Case {
    std::string bytes;
    char32_t codePoint;
    size_t length;
  };
  const Case cases[] = {
      {"A\xC3\xBC", U'A', 1},
      {"\xC3\xBC"
       "A",
       0xFC, 2},
      {"\xE2\x82\xAC", 0x20AC, 3},
      {"\xED\x9F\xBF", 0xD7FF, 3},
      {"\xEF\xBF\xBF", 0xFFFF, 3},
      {"\xF0\x9F\x98\x80", 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
      {"\x80\x80", kInvalidUtf8, 1},              // a continuation byte without lead
      {"\xFF", kInvalidUtf8, 1},                  // no lead byte at all
      {"\xF8\x88\x80\x80\x80", kInvalidUtf8, 1},  // five-byte form
      {"\xC0\xAF", kInvalidUtf8, 1},              // overlong forms
      {"\xE0\x9F\xBF", kInvalidUtf8, 1},
      {"\xF0\x8F\xBF\xBF", kInvalidUtf8, 1},
      {"\xED\xA0\x80", kInvalidUtf8, 1},      // a surrogate
      {"\xF4\x90\x80\x80", kInvalidUtf8, 1},  // above U+10FFFF
      {"\xF0\x9F\x98", kInvalidUtf8, 1},      // cut short by the end
      {"\xE2\x82"
       "A",
       kInvalidUtf8, 1},  // cut short by the next character
  };
  for (const Case& c : cases) {
    Utf8Character character = DecodeUtf8Character(c.bytes);
    EXPECT_EQ(character.codePoint, c.codePoint) << c.bytes;
    EXPECT_EQ(character.length, c.length) << c.bytes;
  }
}

}  // namespace pendra
