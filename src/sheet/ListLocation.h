#pragma once
// The folder the user chose for the list (one a sync client shares with another PC, say),
// remembered in a small file of the per-user data folder, which updates, reinstalls and the
// uninstaller leave where it is.
#include <string>

namespace pendra {

inline constexpr char16_t kListLocationFileName[] = u"ListLocation.txt";

// The chosen folder, ending in a delimiter; empty when none was chosen or the file does not name
// one (empty, damaged, or a path no folder can have).
std::u16string ChosenListFolder(const std::u16string& perUserFolder);
// Remembers the folder; the per-user folder is made when needed. Fails as writing a file fails.
void RememberListFolder(const std::u16string& perUserFolder, const std::u16string& folder);

}  // namespace pendra
