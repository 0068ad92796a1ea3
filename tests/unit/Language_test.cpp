#include "lang/Language.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(Language, AgreeingConstantsGiveNoReport) {
  EXPECT_TRUE(LanguageConsistencyReports(u"DEUTSCH", u"DEUTSCH").empty());
  EXPECT_TRUE(LanguageConsistencyReports(u"ENGLISH", u"ENGLISH").empty());
}

TEST(Language, AWindowOfAnotherLanguageGivesTheLanguageReportThenTheConstantsReport) {
  const std::vector<std::u16string> reports = LanguageConsistencyReports(u"ENGLISH", u"DEUTSCH");
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0], u"Wrong language! \r\n\r\nExpected:  ENGLISH\r\nFound:  DEUTSCH");
  EXPECT_EQ(reports[1], u"Wrong constants!\r\n\r\nExpected:  ENGLISH\r\nFound:  DEUTSCH");
}

TEST(Language, IdentifiersAreComparedExactly) {
  EXPECT_EQ(LanguageConsistencyReports(u"deutsch", u"DEUTSCH").size(), 2u);
  EXPECT_EQ(LanguageConsistencyReports(u"", u"DEUTSCH").size(), 2u);
}

}  // namespace pendra
