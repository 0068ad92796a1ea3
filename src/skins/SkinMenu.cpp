#include "skins/SkinMenu.h"

#include "sheet/Sheet.h"

namespace pendra {

SkinMenuListing ListSkinMenu(const std::vector<FolderEntry>& entries, const std::u16string& skinName) {
  SkinMenuListing listing;
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder || entry.name.empty() || entry.name.front() == u'.') continue;
    const auto position = static_cast<std::int32_t>(listing.SkinMenuEntries.size());
    if (entry.name == skinName) listing.checkedPosition = position;
    listing.SkinMenuEntries.push_back({position, entry.name});
  }
  return listing;
}

std::u16string SkinMenuCaption(const std::u16string& name) {
  std::u16string caption;
  for (char16_t c : name) {
    caption += c;
    if (c == u'&') caption += c;
  }
  return caption;
}

std::u16string ChosenSkinName(const std::vector<TSkinMenüEintrag>& entries, int position) {
  std::u16string name = kNoSkinName;
  for (const TSkinMenüEintrag& entry : entries) {
    if (entry.Nummer == position) name = entry.NameVomSkin;
  }
  return name;
}

}  // namespace pendra
