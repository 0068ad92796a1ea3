#pragma once
// The items of the popup menu the main window opens, read inside its process by the hook of
// MenuProbe.dll (beside the driver).
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Opens the menu with a right click at the screen point, reads its items (one line each, a tab
// per level of submenu, "-" for a separator) and closes it again with Escape. False when the
// probe is missing or the menu did not open within the time.
bool ReadMenuItems(HWND main, POINT at, DWORD waitMs, HWND settle, std::vector<std::wstring>& items);

// Tells the main window, inside its process, that it is now on a display of that dpi and is
// to take the suggested rectangle (WM_DPICHANGED). False when the probe is missing.
bool SendDpiChange(HWND main, int dpi, const RECT& suggested);

// Makes the main window's process see high contrast switched on, with a dark theme's system
// colours, or off again with the colours it had, and tells the window as Windows does
// (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE). False when the probe is missing.
bool SendHighContrast(HWND main, bool on);

}  // namespace driver
