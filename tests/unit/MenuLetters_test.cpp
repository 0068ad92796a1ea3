#include "ui/MenuLetters.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(MenuLetters, AnItemAnswersToItsAccessKeyElseToItsFirstCharacter) {
  struct Case {
    std::u16string caption;
    char16_t letter;
    std::u16string shownWithoutKey;
  };
  const Case cases[] = {
      {u"&Kein Skin", u'K', u"Kein Skin"},
      {u"Klassik", u'K', u"Klassik"},
      {u"A&dd Column", u'd', u"Add Column"},
      {u"Black && White", u'B', u"Black && White"},
      {u"&&Ampersand", u'&', u"&&Ampersand"},
      {u"Ende&", u'E', u"Ende&"},
      {u"\u00DCbersicht", u'\u00DC', u"\u00DCbersicht"},
      {u"", 0, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuItemLetter(c.caption), c.letter);
    EXPECT_EQ(WithoutAccessKey(c.caption), c.shownWithoutKey);
  }
}

// The skin submenu with a skin folder "Klassik": Lime, Klassik, Kastanie, a separator, Kein Skin.
const std::vector<char16_t> kSkinLetters = {u'L', u'K', u'K', 0, u'K'};

TEST(MenuLetters, AUniqueLetterRunsItsItemAndASharedOneSelectsTheMatchesInTurn) {
  using C = MenuLetterChoice;
  struct Case {
    char16_t key;
    int highlighted;
    MenuLetterChoice choice;
  };
  const Case cases[] = {
      {u'L', -1, {C::Execute, 0}},
      {u'L', 4, {C::Execute, 0}},
      {u'K', -1, {C::Select, 1}},
      {u'K', 0, {C::Select, 1}},
      {u'K', 1, {C::Select, 2}},
      {u'K', 2, {C::Select, 4}},
      {u'K', 4, {C::Select, 1}},
      {u'X', 0, {}},
      {0, 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseByLetter(kSkinLetters, c.key, c.highlighted), c.choice) << char(c.key) << " " << c.highlighted;
  }
}

TEST(MenuLetters, ALetterIsSharedWhenAnotherItemAnswersToIt) {
  const bool shared[] = {false, true, true, false, true};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SharesLetter(kSkinLetters, i), shared[i]) << i;
  EXPECT_FALSE(SharesLetter({u'L', 0, u'K'}, 2));
}

}  // namespace
}  // namespace pendra
