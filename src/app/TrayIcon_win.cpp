#include "app/TrayIcon_win.h"

namespace pendra {

TrayIcon::~TrayIcon() { Remove(); }

void TrayIcon::Add(HWND owner, HICON icon, const std::u16string& tooltip) {
  data_ = {};
  data_.cbSize = sizeof(data_);
  data_.hWnd = owner;
  data_.uID = 1;
  data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data_.uCallbackMessage = kTrayMessage;
  data_.hIcon = icon;
  size_t length = std::min<size_t>(tooltip.size(), 127);
  tooltip.copy(reinterpret_cast<char16_t*>(data_.szTip), length);
  data_.szTip[length] = 0;
  added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Readd() {
  if (data_.hWnd) added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Remove() {
  if (added_) Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
}

void TrayIcon::Notify(const std::u16string& title, const std::u16string& text) {
  if (!added_) return;
  NOTIFYICONDATAW note = data_;
  note.uFlags = NIF_INFO;
  note.dwInfoFlags = NIIF_INFO;
  const size_t titleLength = std::min<size_t>(title.size(), std::size(note.szInfoTitle) - 1);
  title.copy(reinterpret_cast<char16_t*>(note.szInfoTitle), titleLength);
  note.szInfoTitle[titleLength] = 0;
  const size_t textLength = std::min<size_t>(text.size(), std::size(note.szInfo) - 1);
  text.copy(reinterpret_cast<char16_t*>(note.szInfo), textLength);
  note.szInfo[textLength] = 0;
  Shell_NotifyIconW(NIM_MODIFY, &note);
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace pendra
