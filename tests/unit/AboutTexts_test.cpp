#include "lang/AboutTexts.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(AboutTexts, TheTextsSwitchOnEnglishAndOtherwiseAreGerman) {
  const AboutTexts english = AboutTextsFor(u"ENGLISH");
  EXPECT_EQ(std::u16string(english.llbInfo11), u"Click on the red bar to");
  EXPECT_EQ(std::u16string(english.llbInfo33), u" ");
  EXPECT_EQ(std::u16string(english.llbKSInfo3), u"and test it for free!");
  EXPECT_EQ(english.ksHint, u"Visit " + std::u16string(english.llbKSLink));

  for (const char16_t* language : {u"DEUTSCH", u"ITALIANO"}) {
    const AboutTexts german = AboutTextsFor(language);
    EXPECT_EQ(std::u16string(german.llbInfo12), u"Streifen um \"Pendra\" auf");
    EXPECT_EQ(std::u16string(german.llbInfo33), u"");
    EXPECT_EQ(std::u16string(german.llbKSInfo1), u"\"Pendra\" ist ein offizielles Plugin des");
    EXPECT_EQ(german.ksHint, std::u16string(german.llbKSLink) + u" besuchen");
    EXPECT_NE(std::u16string(german.llbKSLink), english.llbKSLink);
  }
}

TEST(AboutTexts, TheCaptionNamesTheVersionText) {
  EXPECT_EQ(AboutCaption(u"1.3 Deutsch (64bit)"), u"Pendra Version 1.3 Deutsch (64bit)");
}

// The pages switch on DEUTSCH: another identifier shows the German texts but opens the
// international pages. The German pages are the ones the German labels show.
TEST(AboutTexts, TheLinksOpenTheGermanSitesOnlyForDeutsch) {
  const std::u16string german = u"https://" + std::u16string(AboutTextsFor(u"DEUTSCH").lblLink);
  const std::u16string international = u"https://" + std::u16string(AboutTextsFor(u"ENGLISH").lblLink);
  const std::u16string sisterGerman = u"https://" + std::u16string(AboutTextsFor(u"DEUTSCH").llbKSLink);
  const std::u16string sisterInternational = u"https://" + std::u16string(AboutTextsFor(u"ENGLISH").llbKSLink);
  const struct {
    std::u16string language, product, sister;
  } cases[] = {
      {u"DEUTSCH", german, sisterGerman},
      {u"ENGLISH", international, sisterInternational},
      {u"SVENSKA", international, sisterInternational},
      {u"", international, sisterInternational},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProductPage(c.language), c.product);
    EXPECT_EQ(SisterProductPage(c.language), c.sister);
  }
  EXPECT_NE(german, international);
  EXPECT_NE(sisterGerman, sisterInternational);
  for (const std::u16string& page : {german, international, sisterGerman, sisterInternational}) {
    EXPECT_NE(page.find(u".example"), std::u16string::npos) << std::string(page.begin(), page.end());
  }
}

}  // namespace pendra
