#pragma once
// Where things are: the user's roaming application-data folder, full paths, UNC forms,
// the current directory. The Win32 and native builds each implement it.
#include <string>

namespace pendra {

// The user's roaming application-data folder as the shell reports it; empty when unknown.
std::u16string ApplicationDataFolder();
// The path made absolute against the current directory.
std::u16string ExpandFileName(const std::u16string& path);
// The UNC form (\\server\share\...) of a path on a mapped network drive; other paths unchanged.
std::u16string UniversalName(const std::u16string& path);
std::u16string CurrentDirectory();
bool SetCurrentDirectoryTo(const std::u16string& path);

}  // namespace pendra
