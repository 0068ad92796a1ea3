#pragma once
// What surrounds every message box of the program: the top-most windows the main window owns
// (the About dialogs) leave the top-most band, so that the box is not hidden behind them, and
// the program's other windows are disabled, so that only the box takes input. When the scope
// ends, all of it comes back and the window that was active is active again. The main window
// stays in the top-most band: the system may take an owner out of the band with its owned
// windows.
#include <windows.h>

#include <vector>

namespace pendra {

class MessageBoxScope {
 public:
  explicit MessageBoxScope(HWND mainWindow);
  ~MessageBoxScope();
  MessageBoxScope(const MessageBoxScope&) = delete;
  MessageBoxScope& operator=(const MessageBoxScope&) = delete;

 private:
  std::vector<HWND> lowered_;
  std::vector<HWND> disabled_;
  HWND mainWindow_;
  bool mainTopMost_;
  HWND active_;
};

}  // namespace pendra
