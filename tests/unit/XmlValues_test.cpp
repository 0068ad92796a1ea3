#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "XmlFixtures.h"
#include "xml/XmlEscape.h"
#include "xml/XmlIntValue.h"

namespace pendra {

TEST(XmlValues, EscapeValueWorksPerCodeUnit) {
  const TableCase<> cases[] = {
      {u"\"&'<>", u"&quot;&amp;&apos;&lt;&gt;"},
      {u"\t\n\r x~\x7F", u"\t\n\r x~\x7F"},
      {std::u16string(u"\0\x08\x0B\x0C\x0E\x1F", 6), u"&#x00;&#x08;&#x0B;&#x0C;&#x0E;&#x1F;"},
      {u"\x80\u00FC\u00FF", u"&#x80;&#xFC;&#xFF;"},
      {u"\u0100\u20AC\uFFFF", u"&#x0100;&#x20AC;&#xFFFF;"},
      {u"\U0001F600", u"&#xD83D;&#xDE00;"},
  };
  ExpectEachCase(cases, EscapeValue);
}

TEST(XmlValues, UnescapeValueResolvesOnceFromLeftToRight) {
  const TableCase<> cases[] = {
      {u"AT&amp;amp;T", u"AT&amp;T"},
      {u"&#xFC;&#252;&AMP;", u"üü&"},
      {u"&Lt;&gT;&aPos;&QUOT;", u"<>'\""},
      {u"&#X41;&#x10041;&#65601;", u"AAA"},  // only the low 16 bits
      {u"&#zz;&#;&#x;&#-1;&#1 2;&#12", u"&#zz;&#;&#x;&#-1;&#1 2;&#12"},
      {u"a & b &&amp; &nbsp;", u"a & b && &nbsp;"},
      {u"&#&#65;", u"&#A"},
      {u"&#0;", std::u16string(1, u'\0')},
  };
  ExpectEachCase(cases, UnescapeValue);
}

TEST(XmlValues, IntValueAcceptsDecimalAndHexadecimalForms) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const TableCase<std::u16string_view, int64_t> cases[] = {
      {u"42", 42},
      {u"  -17", -17},
      {u"+5", 5},
      {u"$1F", 31},
      {u"x1f", 31},
      {u"X10", 16},
      {u"0x10", 16},
      {u"0XfF", 255},
      {u"-$10", -16},
      {u"007", 7},
      {u"9223372036854775807", kMax},
      {u"-9223372036854775808", kMin},
      {u"$8000000000000000", kMin},
      {u"9223372036854775808", -1},
      {u"$10000000000000000", -1},
      {u"", -1},
      {u"-", -1},
      {u"0x", -1},
      {u"abc", -1},
      {u"12 ", -1},
      {u"1.5", -1},
      {u"\t5", -1},
      {u"1e3", -1},
      {u"0x-1", -1},
  };
  ExpectEachCase(cases, ParseIntValue);
}

}  // namespace pendra
