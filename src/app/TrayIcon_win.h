#pragma once
// The notification-area icon: shown while the main window exists, re-added when
// Explorer restarts, reporting clicks to its window as kTrayMessage.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string>

namespace pendra {

// lParam carries the mouse message (WM_LBUTTONUP for a left click, WM_RBUTTONUP for a right one).
inline constexpr UINT kTrayMessage = WM_APP + 1;

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // The tooltip is copied once, at most 127 characters.
  void Add(HWND owner, HICON icon, const std::u16string& tooltip);
  void Readd();
  void Remove();
  // A note beside the icon that goes by itself; the user goes on typing.
  void Notify(const std::u16string& title, const std::u16string& text);
  // The message Explorer broadcasts when the taskbar is created anew.
  static UINT TaskbarCreatedMessage();

 private:
  NOTIFYICONDATAW data_{};
  bool added_ = false;
};

}  // namespace pendra
