#pragma once
// A plain top-level window for the tests of controls to be children of.
#include <windows.h>

namespace pendra {

inline HWND CreateTestHost(const wchar_t* className, const wchar_t* title) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
  return CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 500, 400, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace pendra
