#pragma once
// The message boxes every part of the program reports through: owned by the active window of
// the program (the main window when none is), inside a MessageBoxScope.
#include <windows.h>

#include <string>

namespace pendra {

class MessageBoxes {
 public:
  // The main window; the boxes are made once it exists.
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  void Info(const std::u16string& text, const std::u16string& title);
  void Error(const std::u16string& text, const std::u16string& title);
  bool YesOrNo(const std::u16string& text, const std::u16string& title);

 private:
  int Show(const std::u16string& text, const std::u16string& title, UINT flags);

  HWND mainWindow_ = nullptr;
};

}  // namespace pendra
