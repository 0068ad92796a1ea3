#include "app/MessageBoxScope_win.h"

namespace pendra {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

// The top-level windows of the program's one user-interface thread.
std::vector<HWND> ProgramWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void PlaceInBand(HWND window, HWND band) {
  SetWindowPos(window, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

MessageBoxScope::MessageBoxScope(HWND mainWindow)
    : mainWindow_(mainWindow), mainTopMost_(IsTopMost(mainWindow)), active_(GetActiveWindow()) {
  const std::vector<HWND> windows = ProgramWindows();
  for (HWND window : windows) {
    if (IsTopMost(window) && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == mainWindow) {
      PlaceInBand(window, HWND_NOTOPMOST);
      lowered_.push_back(window);
    }
  }
  for (HWND window : windows) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled_.push_back(window);
    }
  }
}

MessageBoxScope::~MessageBoxScope() {
  for (HWND window : disabled_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (active_ && IsWindow(active_) && IsWindowVisible(active_)) SetActiveWindow(active_);
  if (mainTopMost_ && IsWindow(mainWindow_) && !IsTopMost(mainWindow_)) PlaceInBand(mainWindow_, HWND_TOPMOST);
  for (HWND window : lowered_) {
    if (IsWindow(window)) PlaceInBand(window, HWND_TOPMOST);
  }
}

}  // namespace pendra
