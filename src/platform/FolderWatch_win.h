#pragma once
// Tells a window when files in a folder are created, renamed, deleted or written: a thread waits
// on the system's change notification and posts the given message to the window, at most once
// until the window asks again. The thread ends with the watch.
#include <windows.h>

#include <string>

#include "platform/Unique_win.h"

namespace pendra {

class FolderWatch {
 public:
  FolderWatch() = default;
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  ~FolderWatch();

  // Watches the folder (a watch of another folder ends); false when the system cannot watch it.
  bool Start(const std::u16string& folder, HWND window, UINT message);
  void Stop();
  // The window handled the last message: the next change posts another.
  void Rearm();

 private:
  static DWORD WINAPI Wait(void* self);

  UniqueChangeNotification change_;
  UniqueHandle stop_;
  UniqueHandle thread_;
  HWND window_ = nullptr;
  UINT message_ = 0;
  volatile LONG posted_ = 0;
};

}  // namespace pendra
