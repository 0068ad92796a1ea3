#include "platform/FolderWatch_win.h"

#include "platform/WideText_win.h"

namespace pendra {

FolderWatch::~FolderWatch() { Stop(); }

bool FolderWatch::Start(const std::u16string& folder, HWND window, UINT message) {
  Stop();
  const HANDLE change = FindFirstChangeNotificationW(
      Wide(folder), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (change == INVALID_HANDLE_VALUE) return false;
  change_.Reset(change);
  stop_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  window_ = window;
  message_ = message;
  posted_ = 0;
  thread_.Reset(CreateThread(nullptr, 0, &FolderWatch::Wait, this, 0, nullptr));
  return thread_.Get() != nullptr;
}

void FolderWatch::Stop() {
  if (thread_.Get()) {
    SetEvent(stop_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
  }
  thread_.Reset();
  stop_.Reset();
  change_.Reset();
}

void FolderWatch::Rearm() { InterlockedExchange(&posted_, 0); }

DWORD WINAPI FolderWatch::Wait(void* self) {
  auto& watch = *static_cast<FolderWatch*>(self);
  const HANDLE handles[] = {watch.stop_.Get(), watch.change_.Get()};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    if (InterlockedExchange(&watch.posted_, 1) == 0) PostMessageW(watch.window_, watch.message_, 0, 0);
    if (!FindNextChangeNotification(watch.change_.Get())) break;
  }
  return 0;
}

}  // namespace pendra
