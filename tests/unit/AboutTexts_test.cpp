#include "lang/AboutTexts.h"

#include <gtest/gtest.h>

#include "lang/TextsDeutsch.h"
#include "lang/TextsEnglish.h"

namespace pendra {

TEST(AboutTexts, EachLanguageHasItsOwnTexts) {
  const AboutTexts& english = kEnglishTexts.about;
  EXPECT_EQ(std::u16string(english.llbInfo11), u"Click on the red bar to");
  EXPECT_EQ(std::u16string(english.llbInfo33), u" ");
  EXPECT_EQ(std::u16string(english.llbKSInfo3), u"and test it for free!");
  EXPECT_EQ(english.ksHint, u"Visit " + std::u16string(english.llbKSLink));

  const AboutTexts& german = kDeutschTexts.about;
  EXPECT_EQ(std::u16string(german.llbInfo12), u"Streifen um \"Pendra\" auf");
  EXPECT_EQ(std::u16string(german.llbInfo33), u"");
  EXPECT_EQ(std::u16string(german.llbKSInfo1), u"\"Pendra\" ist ein offizielles Plugin des");
  EXPECT_EQ(german.ksHint, std::u16string(german.llbKSLink) + u" besuchen");
  EXPECT_NE(std::u16string(german.llbKSLink), english.llbKSLink);

  // The dialog shows the build's texts: the native build speaks German.
  EXPECT_EQ(std::u16string(kAboutTexts.llbInfo12), german.llbInfo12);
}

TEST(AboutTexts, TheCaptionNamesTheVersionText) {
  EXPECT_EQ(AboutCaption(u"1.3 Deutsch (64bit)"), u"Pendra Version 1.3 Deutsch (64bit)");
}

// The German texts open the German web sites, the English ones the international pages: each
// link opens the page it shows.
TEST(AboutTexts, TheLinksOpenTheSitesTheyShow) {
  const std::u16string german = u"https://" + std::u16string(kDeutschTexts.about.lblLink);
  const std::u16string international = u"https://" + std::u16string(kEnglishTexts.about.lblLink);
  const std::u16string sisterGerman = u"https://" + std::u16string(kDeutschTexts.about.llbKSLink);
  const std::u16string sisterInternational = u"https://" + std::u16string(kEnglishTexts.about.llbKSLink);
  const struct {
    const AboutTexts& texts;
    std::u16string product, sister;
  } cases[] = {
      {kDeutschTexts.about, german, sisterGerman},
      {kEnglishTexts.about, international, sisterInternational},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProductPage(c.texts), c.product);
    EXPECT_EQ(SisterProductPage(c.texts), c.sister);
  }
  EXPECT_NE(german, international);
  EXPECT_NE(sisterGerman, sisterInternational);
  for (const std::u16string& page : {german, international, sisterGerman, sisterInternational}) {
    EXPECT_NE(page.find(u".example"), std::u16string::npos) << std::string(page.begin(), page.end());
  }
}

}  // namespace pendra
