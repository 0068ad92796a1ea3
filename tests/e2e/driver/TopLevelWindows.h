#pragma once
// Finding and describing top-level windows of any process in the driver's desktop.
#include <windows.h>

#include <string>
#include <vector>

#include "Report.h"

namespace driver {

// Which windows a command is about: exact class name and title; the title "*" matches any.
struct WindowKey {
  std::wstring className = L"TToDoForm";
  std::wstring title = L"Pendra";
};

std::wstring ClassOf(HWND window);
// The window's text, asked of its owner (works for controls of other processes too).
std::wstring TextOf(HWND window);

// All top-level windows from the top of the z-order down.
std::vector<HWND> TopLevelWindows();
std::vector<HWND> FindWindows(const WindowKey& key);
HWND FindFirst(const WindowKey& key);

// Class, caption, rectangles, styles, visibility and z-order position as "<prefix>key=value".
void Describe(HWND window, Report& report, const std::wstring& prefix = L"");

// Lets the window's thread handle what is queued for it: round trips of WM_NULL.
void SyncWith(HWND window, int rounds);

}  // namespace driver
