#include <gtest/gtest.h>

#include "platform/Utf.h"

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
  for (const Case& c : {Case{"\xC3", u"\xFFFD"}, Case{"a\xFF" "b", u"a\xFFFD" u"b"}, Case{"\xC0\xAF", u"\xFFFD\xFFFD"},
                        Case{"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"}}) {
    EXPECT_EQ(FromUtf8(c.bytes), c.expected);
  }
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace pendra
