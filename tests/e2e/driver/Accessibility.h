#pragma once
// What a screen reader in another process learns of the main window through Active
// Accessibility: the whole tree of accessible objects below the window's client area, the object
// that has the focus, and pressing an object by its name.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// One line per object, depth first: depth, role, state (hex), name, value and location
// (left, top, width, height), separated by tabs.
bool ReadAccessibleTree(HWND main, std::vector<std::wstring>& lines);
// The innermost object that has the focus: its name and role.
bool ReadAccessibleFocus(HWND main, std::wstring& name, long& role);
// Runs the default action of the first object with that name.
bool PressAccessible(HWND main, const std::wstring& name);

}  // namespace driver
