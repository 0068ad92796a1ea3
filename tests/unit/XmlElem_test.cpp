#include <gtest/gtest.h>

#include "XmlFixtures.h"
#include "xml/XmlDocument.h"

namespace pendra {

TEST(XmlElem, AddAppendsAndItemCountsFromZero) {
  XmlDocument document;
  XmlElems items = document.Root()->Items();
  XmlElem* left = items.Add(u"Left", u"1510");
  XmlElem* top = items.Add(u"Top");
  EXPECT_EQ(items.Count(), 2u);
  EXPECT_EQ(items.Item(0), left);
  EXPECT_EQ(items.Item(1), top);
  EXPECT_EQ(items.Item(2), nullptr);
  EXPECT_EQ(left->Value(), u"1510");
  EXPECT_EQ(top->Value(), u"");
  EXPECT_EQ(top->Parent(), document.Root());
}

TEST(XmlElem, LookupFollowsAddsAndRenamesAndKeepsTheFirstMatch) {
  XmlDocument document;
  XmlElems items = document.Root()->Items();
  XmlElem* first = items.Add(u"Column");
  EXPECT_EQ(items.ItemNamed(u"COLUMN"), first);  // builds the index
  items.Add(u"column");
  XmlElem* skin = items.Add(u"Skin");
  EXPECT_EQ(items.ItemNamed(u"column"), first);
  EXPECT_EQ(items.ItemNamed(u"skin"), skin);

  first->SetName(u"Renamed");
  EXPECT_EQ(items.ItemNamed(u"Column"), items.Item(1));
  EXPECT_EQ(items.ItemNamed(u"renamed"), first);
}

TEST(XmlElem, SetNameIgnoresAnEmptyName) {
  XmlDocument document;
  document.Root()->SetName(u"VeVuVizo");
  document.Root()->SetName(u"");
  EXPECT_EQ(document.Root()->Name(), u"VeVuVizo");
}

TEST(XmlElem, IntValueReadsTheValue) {
  XmlDocument document;
  XmlElem* width = document.Root()->Items().Add(u"Width", u" $1F");
  EXPECT_EQ(width->IntValue(), 31);
  width->SetValue(u"abc");
  EXPECT_EQ(width->IntValue(), -1);
}

TEST(XmlElem, IndentStringTakesOnlyNonEmptyWhiteSpace) {
  const TableCase<std::u16string_view, std::u16string_view> cases[] = {
      {u"\t", u"\t"}, {u" \r\n\v\f", u" \r\n\v\f"}, {u"", u"  "}, {u" x", u"  "}, {u"\u00A0", u"  "}};
  ExpectEachCase(cases, [](std::u16string_view offered) {
    XmlDocument document;
    document.SetIndentString(offered);
    return std::u16string(document.IndentString());
  });
}

}  // namespace pendra
