#pragma once
// The message boxes every part of the program reports through: owned by the active window of
// the program (the main window when none is), inside a MessageBoxScope, and with a silence that
// keeps the repeated failures of background saves from showing.
#include <windows.h>

#include <string>

namespace pendra {

class MessageBoxes {
 public:
  // The main window; the boxes are made once it exists.
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  void Info(const std::u16string& text, const std::u16string& title);
  // Error and failure boxes stay away while silenced.
  void Error(const std::u16string& text, const std::u16string& title);
  bool YesOrNo(const std::u16string& text, const std::u16string& title);

  // While it lives, error boxes are not shown when `silent` is true.
  class Silence {
   public:
    Silence(MessageBoxes& boxes, bool silent) : boxes_(boxes), before_(boxes.silent_) { boxes.silent_ = silent; }
    ~Silence() { boxes_.silent_ = before_; }
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

   private:
    MessageBoxes& boxes_;
    bool before_;
  };

 private:
  int Show(const std::u16string& text, const std::u16string& title, UINT flags);

  HWND mainWindow_ = nullptr;
  bool silent_ = false;
};

}  // namespace pendra
