#include "skins/SkinMenu.h"

#include <gtest/gtest.h>

namespace pendra {

namespace {

std::vector<std::u16string> Names(const SkinMenuListing& listing) {
  std::vector<std::u16string> names;
  for (const TSkinMenüEintrag& entry : listing.SkinMenuEntries) names.push_back(entry.NameVomSkin);
  return names;
}

const std::vector<FolderEntry> kBaseFolder = {
    {u".", true},          {u"..", true},   {u"Vista", true}, {u".git", true},
    {u"notes.txt", false}, {u"Lime", true}, {u"lime", true},
};

TEST(SkinMenu, ListsFoldersInTheFileSystemsOrderWithoutDotFoldersAndFiles) {
  const SkinMenuListing listing = ListSkinMenu(kBaseFolder, u"Lime");
  EXPECT_EQ(Names(listing), (std::vector<std::u16string>{u"Vista", u"Lime", u"lime"}));
  for (size_t i = 0; i < listing.SkinMenuEntries.size(); ++i) EXPECT_EQ(listing.SkinMenuEntries[i].Nummer, int(i));
}

TEST(SkinMenu, TheCurrentSkinIsCheckedByItsExactName) {
  struct Case {
    std::u16string skinName;
    int checked;
  };
  for (const Case& c : {Case{u"Lime", 1}, Case{u"lime", 2}, Case{u"LIME", -1}, Case{u"No Skin", -1}, Case{u"", -1}}) {
    EXPECT_EQ(ListSkinMenu(kBaseFolder, c.skinName).checkedPosition, c.checked);
  }
  EXPECT_EQ(ListSkinMenu({}, u"Lime").SkinMenuEntries.size(), 0u);
}

TEST(SkinMenu, TheChosenSkinIsFoundByPositionAndAnAmpersandIsShownAsItIs) {
  const SkinMenuListing listing = ListSkinMenu(kBaseFolder, u"");
  EXPECT_EQ(ChosenSkinName(listing.SkinMenuEntries, 1), u"Lime");
  EXPECT_EQ(ChosenSkinName(listing.SkinMenuEntries, 3), u"No Skin");
  EXPECT_EQ(SkinMenuCaption(u"Black & White &&"), u"Black && White &&&&");
}

}  // namespace

}  // namespace pendra
