#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(CodePage, DecodesAndEncodesWindows1252) {
  EXPECT_EQ(DecodeCodePage("M\xFCll \x80", 1252), u"Müll €");
  EXPECT_EQ(DecodeCodePage("M\xFCll", 0), u"Müll");
  EXPECT_EQ(EncodeCodePage(u"Müll €", 1252), "M\xFCll \x80");
}

TEST(CodePage, StrictDecodingRefusesIncompleteCharacters) {
  EXPECT_EQ(DecodeCodePageStrictly("\x82", 932), std::nullopt);
  EXPECT_EQ(DecodeCodePageStrictly("\x82\xA0", 932), u"あ");
}

TEST(CodePage, UnknownCodePagesAreNotAvailable) {
  EXPECT_TRUE(CodePageAvailable(0));
  EXPECT_TRUE(CodePageAvailable(28591));
  EXPECT_FALSE(CodePageAvailable(4711));
}

}  // namespace pendra
