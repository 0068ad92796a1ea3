#include <gtest/gtest.h>

#include "XmlFixtures.h"
#include "xml/XmlCharsets.h"
#include "xml/XmlDocument.h"
#include "xml/XmlFailures.h"

namespace pendra {

TEST(XmlEncoding, ByteOrderMarkAndDeclarationChooseTheDecoding) {
  struct Case {
    const char* fixture;
    std::u16string value;
    Encoding encoding;
    unsigned codePage;
  };
  const Case cases[] = {
      {"ansi-no-declaration.xml", u"Müll", Encoding::Ansi, 0},
      {"utf8-declared-without-mark.xml", u"Müll", Encoding::Utf8, 65001},
      {"utf8-mark-without-encoding.xml", u"Müll", Encoding::Utf8, 65001},
      {"utf16le.xml", u"Müll €", Encoding::Utf16, 1200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    XmlDocument document;
    document.LoadFromFile(XmlFixturePath(c.fixture));
    EXPECT_EQ(document.Root()->Value(), c.value);
    EXPECT_EQ(document.LastEncoding(), c.encoding);
    EXPECT_EQ(document.LastCodePage(), c.codePage);
  }
}

// Without a mark the prolog starts in the ANSI code page; the declaration switches to
// UTF-8 from the character after it.
TEST(XmlEncoding, TheDeclarationSwitchesFromTheNextCharacterOn) {
  XmlDocument document;
  document.LoadFromFile(XmlFixturePath("utf8-declared-without-mark.xml"));
  EXPECT_EQ(document.Prolog().Item(0)->Value(), u"ü");
  EXPECT_EQ(document.Root()->Value(), u"Müll");
}

TEST(XmlEncoding, ADeclaredCodePageAppliesEvenAfterAUtf8Mark) {
  XmlDocument document;
  document.LoadFromBytes("\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1252'?><a>\xFC\x80</a>");
  EXPECT_EQ(document.Root()->Value(), u"ü€");
  EXPECT_EQ(document.LastCodePage(), 1252u);
}

// The prolog is decoded one character at a time, the rest in one go; both must agree on
// double-byte characters.
TEST(XmlEncoding, ADoubleByteCodePageDecodesPrologAndBody) {
  XmlDocument document;
  document.LoadFromBytes("<?xml version=\"1.0\" encoding=\"shift_jis\"?><!--\x82\xA0--><a>\x82\xA0</a>");
  EXPECT_EQ(document.Prolog().Item(1)->Value(), u"あ");
  EXPECT_EQ(document.Root()->Value(), u"あ");
  EXPECT_EQ(document.LastCodePage(), 932u);
}

TEST(XmlEncoding, AGivenEncodingIsNotSwitchedButTheCharsetMustExist) {
  XmlDocument document;
  document.LoadFromBytes("<?xml encoding='windows-1252'?><a>\xC3\xBC</a>", Encoding::Utf8);
  EXPECT_EQ(document.Root()->Value(), u"ü");
  document.LoadFromString(u"<?xml encoding='utf-8'?><a>ü</a>");
  EXPECT_EQ(document.Root()->Value(), u"ü");
  EXPECT_EQ(document.LastCodePage(), 1200u);
  EXPECT_THROW(document.LoadFromString(u"<?xml encoding='klingon'?><a/>"), ECharsetError);
}

// A character the file holds in another encoding than it declares would be lost by the next
// save: the document says that it had to put U+FFFD in its place.
TEST(XmlEncoding, ADocumentTellsWhetherItReplacedBytesThatFormNoCharacter) {
  using namespace std::string_view_literals;
  const TableCase<std::string_view, bool> cases[] = {
      {"<?xml version='1.0' encoding='utf-8'?><a>M\xFCll</a>"sv, true},  // an ANSI letter in UTF-8
      {"\xEF\xBB\xBF<a>M\xC3\xBCll \xEF\xBF\xBD</a>"sv, false},          // a U+FFFD the file holds is no loss
      {"\xEF\xBB\xBF<a>x\xC3</a>"sv, true},                              // a UTF-8 sequence cut short
      {"\xEF\xBB\xBF<!--\xFC--><?xml version='1.0' encoding='windows-1252'?><a>\xFC</a>"sv, true},  // before a switch
      {"\xFF\xFE<\0a\0>\0x\0<\0/\0a\0>\0!"sv, true},  // half a UTF-16 unit
      {"<?xml version='1.0' encoding='windows-1252'?><a>M\xFCll</a>"sv, false},
  };
  ExpectEachCase(cases, [](std::string_view bytes) {
    XmlDocument document;
    document.LoadFromBytes(bytes);
    return document.ReplacedCharacters();
  });
  XmlDocument document;
  document.LoadFromBytes("\xEF\xBB\xBF<a>\xFC</a>");
  document.LoadFromString(u"<a>\xFFFD</a>");
  EXPECT_FALSE(document.ReplacedCharacters());
}

TEST(XmlEncoding, CharsetTableWorksInBothDirections) {
  const TableCase<std::u16string_view, unsigned> codePages[] = {
      {u"UTF-8", 65001},      {u"utf-16", 1200},       {u"Unicode", 1200}, {u"us-ascii", 20127},
      {u"ISO-8859-1", 28591}, {u"windows-1252", 1252}, {u"latin1", 28591}, {u"shift_jis", 932}};
  ExpectEachCase(codePages, CodePageOfCharset);
  const TableCase<unsigned, std::u16string_view> names[] = {
      {65001, u"utf-8"}, {1200, u"utf-16"}, {20127, u"us-ascii"}, {28591, u"iso-8859-1"}, {1252, u"Windows-1252"}};
  ExpectEachCase(names, CharsetOfCodePage);
  EXPECT_THROW(CodePageOfCharset(u"utf-9"), ECharsetError);
  EXPECT_THROW(CharsetOfCodePage(4711), ECharsetError);
}

}  // namespace pendra
