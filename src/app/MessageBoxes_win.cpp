#include "app/MessageBoxes_win.h"

#include "app/MessageBoxScope_win.h"
#include "platform/WideText_win.h"

namespace pendra {

void MessageBoxes::Info(const std::u16string& text, const std::u16string& title) {
  Show(text, title, MB_OK | MB_ICONINFORMATION);
}

void MessageBoxes::Error(const std::u16string& text, const std::u16string& title) {
  Show(text, title, MB_OK | MB_ICONERROR);
}

bool MessageBoxes::YesOrNo(const std::u16string& text, const std::u16string& title) {
  return Show(text, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int MessageBoxes::Show(const std::u16string& text, const std::u16string& title, UINT flags) {
  HWND active = GetActiveWindow();
  HWND owner = active ? active : mainWindow_;
  MessageBoxScope scope(mainWindow_);
  return MessageBoxW(owner, Wide(text), Wide(title), flags);
}

}  // namespace pendra
