#include "app/SingleInstance_win.h"

#include "platform/Unique_win.h"

namespace pendra {

namespace {

constexpr DWORD kRestartWait = 15000;

enum class SearchResult { NoneFound, BroughtForward, PreviousIsRestarting };

bool TextEquals(const wchar_t* a, const wchar_t* b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

void WaitForProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (process) WaitForSingleObject(process.Get(), kRestartWait);
}

// Walks the top-level windows in Z order, from the topmost one.
SearchResult BringRunningInstanceForward() {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (!IsRunningMainWindow(window)) continue;
    if (GetPropW(window, kRestartingProperty)) {
      WaitForProcessOf(window);
      return SearchResult::PreviousIsRestarting;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    return SearchResult::BroughtForward;
  }
  return SearchResult::NoneFound;
}

bool TryClaim() {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"ToDoMutex");
  if (!mutex) return true;
  if (GetLastError() != ERROR_ALREADY_EXISTS) return true;  // ours for the rest of the process
  CloseHandle(mutex);
  switch (BringRunningInstanceForward()) {
    case SearchResult::BroughtForward: return false;
    case SearchResult::PreviousIsRestarting: {
      // The previous instance has ended (or is taking too long): claim the mutex anew.
      HANDLE again = CreateMutexW(nullptr, TRUE, L"ToDoMutex");
      if (again && GetLastError() == ERROR_ALREADY_EXISTS) CloseHandle(again);
      return true;
    }
    case SearchResult::NoneFound: return true;
  }
  return true;
}

}  // namespace

bool IsRunningMainWindow(HWND window) {
  wchar_t title[261] = {};
  wchar_t className[261] = {};
  GetClassNameW(window, className, 255);
  if (!TextEquals(className, kMainWindowClass)) return false;
  GetWindowTextW(window, title, 255);
  return TextEquals(title, kMainWindowCaption);
}

bool ClaimSingleInstance() {
  try {
    return TryClaim();
  } catch (...) {
    return true;
  }
}

}  // namespace pendra
