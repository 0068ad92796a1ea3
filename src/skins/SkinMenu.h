#pragma once
// The skin submenu's list: one item per skin folder of the base folder, in the order the
// file system delivers them, above the separator and "No Skin". The chosen skin is found
// through its item's position, never through its caption.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace pendra {

// Which skin the item at a position of the submenu stands for.
struct TSkinMenüEintrag {
  std::int32_t Nummer = 0;
  std::u16string NameVomSkin;
};

struct SkinMenuListing {
  // One per listed folder; element i has Nummer i.
  std::vector<TSkinMenüEintrag> SkinMenuEntries;
  // The position of the item whose name is the current skin's (exact, case included); -1 when none.
  int checkedPosition = -1;
};

// Lists every folder entry whose name does not begin with "."; plain files are skipped.
SkinMenuListing ListSkinMenu(const std::vector<FolderEntry>& entries, const std::u16string& skinName);

// The folder's name as a menu shows it exactly: an "&" is doubled, so it marks no mnemonic.
std::u16string SkinMenuCaption(const std::u16string& name);

// The skin name of the item at the position; "No Skin" when no entry has it.
std::u16string ChosenSkinName(const std::vector<TSkinMenüEintrag>& entries, int position);

}  // namespace pendra
