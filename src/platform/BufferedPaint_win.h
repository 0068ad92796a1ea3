#pragma once
// Answers WM_PAINT through an off-screen bitmap of the client's size, so a window made of
// layers (background, pictures, text) never flickers.
#include <windows.h>

#include <functional>

namespace pendra {

// Paints the whole client area with `paint`, which draws into the DC it gets.
void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& paint);

}  // namespace pendra
