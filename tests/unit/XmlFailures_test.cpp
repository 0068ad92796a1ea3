#include "xml/XmlFailures.h"

#include <gtest/gtest.h>

#include "XmlFixtures.h"
#include "xml/XmlDocument.h"

namespace pendra {

namespace {

// A malformed file and the failure it gives; most give EXmlError.
struct FailureCase {
  const char* fixture;
  std::u16string message;
  const char16_t* type = u"EXmlError";
};

const FailureCase kFailures[] = {
    {"prolog-text.xml", u"Invalid Document: Unexpected text in file prolog at position 1"},
    {"unknown-charset.xml", u"No matching charset", u"ECharsetError"},
    {"name-bang.xml", u"Invalid XML Element: malformed tag found (no valid name) at position 5"},
    {"name-empty.xml", u"Invalid XML Element: malformed tag found (no valid name) at position 2"},
    {"name-missing.xml", u"Invalid XML Element: malformed tag found (no valid name) at position 5"},
    {"end-of-tag-slash.xml", u"Invalid XML Element: Expected end of tag but \" \" found at position 10"},
    {"end-of-tag-unclosed.xml", u"Invalid XML Element: Expected end of tag but \"\" found at position 7"},
    {"end-tag-mismatch.xml",
     u"Invalid XML Element: Erroneous end of tag, expecting </Left> but </Top> found at position 23"},
    {"end-tag-case.xml", u"Invalid XML Element: Erroneous end of tag, expecting </a> but </A> found at position 8"},
    // Positions count characters, not bytes: the umlauts take two bytes each.
    {"end-tag-after-umlauts.xml",
     u"Invalid XML Element: Erroneous end of tag, expecting </a> but </b> found at position 10"},
    {"prop-without-equals.xml",
     u"Invalid XML Element: Unexpected character in property declaration (\"c\" found at position 6)"},
    {"prop-digit.xml",
     u"Invalid XML Element: Unexpected character in property declaration (\"1\" found at position 4)"},
    {"prop-unquoted.xml",
     u"Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' but \"1\"  found at "
     u"position 6"},
    {"prop-unterminated.xml",
     u"Invalid XML Element: Unexpected character in property declaration (\"\" found at position 9)"},
    {"comment-opening.xml", u"Invalid Comment: expected \"<!--\" but found \"<!-x\" at position 7"},
    {"comment-dashes.xml", u"Invalid Comment: \"--\" not allowed inside comments at position 10"},
    {"comment-unclosed.xml", u"Invalid Comment: Unexpected end of data at position 24"},
    {"instruction-unclosed.xml", u"Invalid Comment: Unexpected end of data at position 10"},
    {"doctype-unclosed.xml", u"Invalid Comment: Unexpected end of data at position 28"},
    {"cdata-opening.xml", u"Invalid CDATA: expected \"<![CDATA[\" but found \"<![CDAT x\" at position 12"},
    {"cdata-unclosed.xml", u"Invalid CDATA: Unexpected end of data at position 19"},
    {"doctype-opening.xml", u"Invalid Header: expected \"<!DOCTYPE\" but found \"<!doctype\" at position 9"},
};

}  // namespace

TEST(XmlFailures, EachMalformedFileFailsWithItsText) {
  for (const FailureCase& c : kFailures) {
    SCOPED_TRACE(c.fixture);
    XmlDocument document;
    try {
      document.LoadFromFile(XmlFixturePath(std::string("failures/") + c.fixture));
      ADD_FAILURE() << "read without failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(std::u16string(failure.TypeName()), c.type);
      EXPECT_EQ(failure.Message(), c.message);
    }
  }
}

// Far into a long file, where the text read first is long gone, the position still counts
// every character from the start ("\xC3\xA4" is one character).
TEST(XmlFailures, PositionsInALongFileCountFromItsStart) {
  std::string umlauts;
  for (int i = 0; i < 100'000; ++i) umlauts += "\xC3\xA4";
  const TableCase<std::string> cases[] = {
      {"\xEF\xBB\xBF<a>" + umlauts + "</b>",
       u"Invalid XML Element: Erroneous end of tag, expecting </a> but </b> found at position 100007"},
      {"\xEF\xBB\xBF<a>" + umlauts + "<!--x", u"Invalid Comment: Unexpected end of data at position 100008"},
  };
  for (const auto& c : cases) {
    XmlDocument document;
    try {
      document.LoadFromBytes(c.given);
      ADD_FAILURE() << "read without failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Message(), c.expected);
    }
  }
}

TEST(XmlFailures, MissingFileIsTheCallersOpenFailure) {
  XmlDocument document;
  EXPECT_THROW(document.LoadFromFile(XmlFixturePath("no-such-file.xml")), EFOpenError);
}

}  // namespace pendra
