#pragma once
// The system's dialog that picks a folder, opened at a given folder.
#include <windows.h>

#include <optional>
#include <string>

namespace pendra {

// The folder the user picked; none when the dialog was cancelled or cannot be shown.
std::optional<std::u16string> PickFolder(HWND owner, const std::u16string& title, const std::u16string& startFolder);

}  // namespace pendra
