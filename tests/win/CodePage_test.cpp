#include "platform/CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "xml/XmlDocument.h"

namespace pendra {

TEST(CodePage, AnsiIsTheSystemsCodePage) {
  EXPECT_EQ(AnsiCodePage(), GetACP());
  EXPECT_EQ(DecodeCodePage("M\xFCll", 0), DecodeCodePage("M\xFCll", GetACP()));
}

TEST(CodePage, DecodesAndEncodesWindows1252) {
  EXPECT_EQ(DecodeCodePage("M\xFCll \x80", 1252), u"Müll €");
  EXPECT_EQ(EncodeCodePage(u"Müll €", 1252), "M\xFCll \x80");
}

TEST(CodePage, StrictDecodingRefusesIncompleteDoubleByteCharacters) {
  EXPECT_EQ(DecodeCodePageStrictly("\x82", 932), std::nullopt);
  EXPECT_EQ(DecodeCodePageStrictly("\x82\xA0", 932), u"あ");
  EXPECT_EQ(DecodeCodePage("\x82\xA0\x41", 932), u"あA");
}

TEST(CodePage, UnknownCodePagesAreNotAvailable) {
  EXPECT_TRUE(CodePageAvailable(0));
  EXPECT_TRUE(CodePageAvailable(1252));
  EXPECT_FALSE(CodePageAvailable(4711));
}

// The reader's use of the seam: a file without a byte-order mark, one character of the
// prolog at a time, then switching to the declared Shift-JIS for the rest.
TEST(CodePage, TheReaderDecodesDeclaredCodePagesThroughWindows) {
  XmlDocument document;
  document.LoadFromBytes("<?xml version=\"1.0\" encoding=\"shift_jis\"?><!--\x82\xA0--><a>\x82\xA0</a>");
  EXPECT_EQ(document.Prolog().Item(1)->Value(), u"あ");
  EXPECT_EQ(document.Root()->Value(), u"あ");
  EXPECT_EQ(document.LastCodePage(), 932u);
}

}  // namespace pendra
