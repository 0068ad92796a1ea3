#include <gtest/gtest.h>
#include <string>

#include "XmlFixtures.h"
#include "xml/XmlDocument.h"
#include "xml/XmlFailures.h"

namespace pendra {

TEST(XmlRead, NameLookupFoldsOnlyAToZAndTakesTheFirstMatch) {
  XmlDocument document;
  document.LoadFromString(u"<a><b>x</b><B>y</B><ä>z</ä></a>");
  XmlElems items = document.Root()->Items();
  EXPECT_EQ(items.ItemNamed(u"b")->Value(), u"x");
  EXPECT_EQ(items.ItemNamed(u"B")->Value(), u"x");
  EXPECT_EQ(items.ItemNamed(u"ä")->Value(), u"z");
  EXPECT_EQ(items.ItemNamed(u"Ä"), nullptr);
  EXPECT_EQ(items.ItemNamed(u"c"), nullptr);
}

TEST(XmlRead, AnElementWhoseOnlyChildIsTextHasThatTextAsValue) {
  const TableCase<> cases[] = {
      {u"<Text> </Text>", u""},
      {u"<Text>\r\n\t\u00A0\u3000</Text>", u""},
      {u"<Text>  a b  </Text>", u"  a b  "},
      {u"<Text>a\r\nb</Text>", u"a\r\nb"},
      {u"<Text>AT&amp;amp;T</Text>", u"AT&amp;T"},
      {u"<Text>&#xFC;&#252;&AMP;</Text>", u"üü&"},
      {u"<Text>&#zz;</Text>", u"&#zz;"},
      {u"<Text>a & b</Text>", u"a & b"},
      {u"<Text/>", u""},
      {u"<Text></Text>", u""},
  };
  ExpectEachCase(cases, [](const std::u16string& xml) {
    XmlDocument document;
    document.LoadFromString(xml);
    EXPECT_EQ(document.Root()->Items().Count(), 0u);
    return std::u16string(document.Root()->Value());
  });
}

TEST(XmlRead, MixedContentKeepsEveryNodeAndNoValue) {
  XmlDocument document;
  document.LoadFromString(u"<a>x<b>1</b> y <!--c--><![CDATA[<raw>&amp;]]><?pi k='v'?></a>");
  XmlElem* root = document.Root();
  EXPECT_EQ(root->Value(), u"");
  struct Child {
    XmlElemKind kind;
    std::u16string_view name;
    std::u16string_view value;
  };
  const Child expected[] = {{XmlElemKind::Text, u"", u"x"},           {XmlElemKind::Element, u"b", u"1"},
                            {XmlElemKind::Text, u"", u" y "},         {XmlElemKind::Comment, u"", u"c"},
                            {XmlElemKind::CData, u"", u"<raw>&amp;"}, {XmlElemKind::ProcessingInstruction, u"pi", u""}};
  ASSERT_EQ(root->Items().Count(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    XmlElem* child = root->Items().Item(i);
    EXPECT_EQ(child->Kind(), expected[i].kind) << i;
    EXPECT_EQ(child->Name(), expected[i].name) << i;
    EXPECT_EQ(child->Value(), expected[i].value) << i;
    EXPECT_EQ(child->Parent(), root);
  }
}

TEST(XmlRead, AttributesAreUnescapedOnceAndKeepTheirPrefix) {
  XmlDocument document;
  document.LoadFromString(u"<a x = \"1 &amp;amp; 2\" p:y='\"q\"'/>");
  XmlProps props = document.Root()->Properties();
  ASSERT_EQ(props.Count(), 2u);
  EXPECT_EQ(props.ItemNamed(u"X")->Value(), u"1 &amp; 2");
  EXPECT_EQ(props.Item(1)->NameSpace(), u"p");
  EXPECT_EQ(props.Item(1)->Name(), u"y");
  EXPECT_EQ(props.Item(1)->Value(), u"\"q\"");
}

TEST(XmlRead, PrologNodesKeepTheirKindsAndRawContent) {
  XmlDocument document;
  document.LoadFromString(
      u"<?xml version=\"1.0\"?>\r\n<!-- c -->\r\n<?xml-stylesheet href=\"s.css\"?>\r\n"
      u"<?mso-application progid=\"Excel.Sheet\"?>\r\n<?pi a=\"1\"?>\r\n<!DOCTYPE a [<!ENTITY e \"x>\">]>\r\n<a/>");
  XmlElems prolog = document.Prolog();
  ASSERT_EQ(prolog.Count(), 6u);
  EXPECT_EQ(prolog.Item(0)->Kind(), XmlElemKind::Header);
  EXPECT_EQ(prolog.Item(0)->Properties().ItemNamed(u"version")->Value(), u"1.0");
  EXPECT_EQ(prolog.Item(1)->Kind(), XmlElemKind::Comment);
  EXPECT_EQ(prolog.Item(1)->Value(), u" c ");
  EXPECT_EQ(prolog.Item(2)->Kind(), XmlElemKind::Sheet);
  EXPECT_EQ(prolog.Item(3)->Kind(), XmlElemKind::MsoApplication);
  EXPECT_EQ(prolog.Item(4)->Kind(), XmlElemKind::ProcessingInstruction);
  EXPECT_EQ(prolog.Item(4)->Name(), u"pi");
  EXPECT_EQ(prolog.Item(5)->Kind(), XmlElemKind::DocType);
  EXPECT_EQ(prolog.Item(5)->Value(), u" a [<!ENTITY e \"x>\">]");
  EXPECT_EQ(document.Root()->Name(), u"a");
}

TEST(XmlRead, PrefixedEndTagMatchesInAnyLetterCaseUnprefixedOnlyExactly) {
  XmlDocument document;
  document.LoadFromString(u"<p:a><b>1</b ></P:A>");
  EXPECT_EQ(document.Root()->NameSpace(), u"p");
  EXPECT_EQ(document.Root()->Name(), u"a");
  EXPECT_EQ(document.Root()->Items().Item(0)->Value(), u"1");
  EXPECT_THROW(document.LoadFromString(u"<a></A>"), EXmlError);
}

TEST(XmlRead, EverythingAfterTheRootIsIgnored) {
  XmlDocument document;
  document.LoadFromString(u"<a>1</a> trailing <<< not xml & </b>");
  EXPECT_EQ(document.Root()->Value(), u"1");
}

TEST(XmlRead, InputWithoutATagEmptiesTheRootAndKeepsItsName) {
  for (std::string bytes : {"", "  \r\n", "<?xml version=\"1.0\" encoding=\"utf-8\"?>", "\xEF\xBB\xBF", "\xFF\xFE"}) {
    SCOPED_TRACE(bytes);
    XmlDocument document;
    document.LoadFromString(u"<Sheet a=\"1\"><x/></Sheet>");
    document.Root()->SetName(u"VeVuVizo");
    document.LoadFromBytes(bytes);
    EXPECT_EQ(document.Root()->Name(), u"VeVuVizo");
    EXPECT_EQ(document.Root()->Items().Count(), 0u);
    EXPECT_EQ(document.Root()->Properties().Count(), 0u);
  }
}

TEST(XmlRead, TheRootTakesTheNameOfTheFilesRootElement) {
  XmlDocument document;
  document.Root()->SetName(u"VeVuVizo");
  document.LoadFromString(u"<Sheet><x/></Sheet>");
  EXPECT_EQ(document.Root()->Name(), u"Sheet");
}

// Reading keeps its own stack of open elements, so depth is bounded by memory only.
TEST(XmlRead, AMillionNestedElementsDoNotExhaustTheStack) {
  constexpr size_t kDepth = 1'000'000;
  std::string bytes;
  for (size_t i = 0; i < kDepth; ++i) bytes += "<a>";
  bytes += "x";
  for (size_t i = 0; i < kDepth; ++i) bytes += "</a>";
  XmlDocument document;
  document.LoadFromBytes(bytes);
  XmlElem* element = document.Root();
  for (size_t depth = 1; depth < kDepth; ++depth) {
    ASSERT_EQ(element->Items().Count(), 1u);
    element = element->Items().Item(0);
  }
  EXPECT_EQ(element->Value(), u"x");
}

TEST(XmlRead, AHundredMegabyteValueReads) {
  constexpr size_t kSize = 100 * 1024 * 1024;
  std::string bytes = "\xEF\xBB\xBF<a>" + std::string(kSize, 'v') + "</a>";
  XmlDocument document;
  document.LoadFromBytes(bytes);
  EXPECT_EQ(document.Root()->Value().size(), kSize);
}

// Beyond the prolog the input is decoded in parts of some ten thousand bytes. Wherever a part
// ends, within a character of two, three or four bytes or among undecodable bytes, every
// value reads the same.
TEST(XmlRead, ValuesReadTheSameWhereverAPartOfTheInputEnds) {
  const std::string value =
      "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\xE2\x82"
      "A\x80\x80\x80\x80\x80"
      "B&amp;";
  const std::u16string expected =
      u"\xE4\x20AC\U0001F600\xFFFD\xFFFD"
      u"A\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"
      u"B&";
  std::string bytes = "\xEF\xBB\xBF<a>";
  for (size_t i = 0; i < 20'000; ++i) bytes += "<v>" + value.substr(0, i % 7) + "</v>" + "<v>" + value + "</v>";
  bytes += "</a>";
  XmlDocument document;
  document.LoadFromBytes(bytes);
  XmlElems values = document.Root()->Items();
  ASSERT_EQ(values.Count(), 40'000u);
  for (size_t i = 1; i < values.Count(); i += 2) ASSERT_EQ(values.Item(i)->Value(), expected) << "value " << i;
  EXPECT_TRUE(document.ReplacedCharacters());
}

// A text is found and decoded in one pass over its first few hundred bytes; a longer one is
// read again as a whole. A character or a reference across the end of that first part reads
// as anywhere else, and replaces nothing.
TEST(XmlRead, ALongTextReadsLikeAShortOne) {
  for (size_t length = 240; length < 270; ++length) {
    XmlDocument document;
    document.LoadFromBytes("\xEF\xBB\xBF<a>" + std::string(length, 'x') + "\xC3\xBC&#xFC;y</a>");
    EXPECT_EQ(document.Root()->Value(), std::u16string(length, u'x') + u"\xFC\xFCy") << length;
    EXPECT_FALSE(document.ReplacedCharacters()) << length;
  }
}

TEST(XmlRead, UndecodableBytesBecomeReplacementsAndUnitsStayAsTheyAre) {
  using namespace std::string_literals;
  const TableCase<std::string> cases[] = {
      {"\xEF\xBB\xBF<a>x\xC3</a>", u"x\xFFFD"},                    // truncated UTF-8 sequence
      {"\xEF\xBB\xBF<a>\xED\xA0\x80</a>", u"\xFFFD\xFFFD\xFFFD"},  // a surrogate in UTF-8
      // a sequence cut short, an overlong form, then a valid four-byte character
      {"\xEF\xBB\xBF<a>\xE2\x82"
       "A\xC0\xAF\xF0\x9F\x98\x80</a>",
       u"\xFFFD\xFFFD"
       u"A\xFFFD\xFFFD\U0001F600"},
      {"\xFF\xFE<\0a\0>\0\x00\xD8<\0/\0a\0>\0"s, std::u16string(1, u'\xD800')},  // a lone surrogate in UTF-16
      {"\xFF\xFE<\0a\0>\0z\0<\0/\0a\0>\0!"s, u"z"},                              // an odd byte at the end
      {"<a>x\0y</a>"s, u"x\0y"s},                                                // NUL bytes
  };
  ExpectEachCase(cases, [](const std::string& bytes) {
    XmlDocument document;
    document.LoadFromBytes(bytes);
    return std::u16string(document.Root()->Value());
  });
  // The prolog, decoded one character at a time, gives the same.
  XmlDocument document;
  document.LoadFromBytes(
      "\xEF\xBB\xBF<!--\xE2\x82"
      "A\xC0\xAF\xF0\x9F\x98\x80--><a/>");
  EXPECT_EQ(document.Prolog().Item(0)->Value(),
            u"\xFFFD\xFFFD"
            u"A\xFFFD\xFFFD\U0001F600");
}

// UTF-8 markup is read straight from its bytes, eight at a time where it can. The same
// document given as UTF-16 reads the same wherever in such a run a reference, a character
// beyond ASCII, a byte that forms none or white space beyond ASCII falls, and also when a
// later tag holds something that only the general reading reads.
TEST(XmlRead, Utf8AndUtf16ReadTheSameDocument) {
  const std::string fragments[] = {"&amp;",    "&#x20AC;",   "&",           "\xC3\xBC",     "\xF0\x9F\x98\x80",
                                   "\xFF",     "\xC3",       "\xC2\xA0",    "\xE3\x80\x80", "\x0B",
                                   "<!--c-->", "<d e='1'/>", "<d:e></D:E>", "<d  />"};
  auto utf16 = [](std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : FromUtf8(utf8)) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
  };
  for (const std::string& fragment : fragments) {
    for (size_t offset = 0; offset < 10; ++offset) {
      std::string blanks(offset, ' ');
      std::string letters(offset, 'x');
      std::string body = "<a>\r\n" + blanks + "<b>" + letters + fragment + "y</b>" + blanks + fragment + blanks + "<c" +
                         blanks + ">" + fragment + letters + "</c" + blanks + "><f/>" + letters + "</a>";
      SCOPED_TRACE(body);
      XmlDocument fromUtf8;
      fromUtf8.LoadFromBytes("\xEF\xBB\xBF" + body);
      XmlDocument fromUtf16;
      fromUtf16.LoadFromBytes(utf16(body));
      EXPECT_EQ(fromUtf8.SaveToBytes(), fromUtf16.SaveToBytes());
      EXPECT_EQ(fromUtf8.ReplacedCharacters(), FromUtf8(body).find(u'\xFFFD') != std::u16string::npos);
    }
  }
}

}  // namespace pendra
