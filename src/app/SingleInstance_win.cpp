#include "app/SingleInstance_win.h"

#include "app/StartChoice.h"

namespace pendra {

namespace {

// How long a start waits for a starting instance's window or an ending instance's mark.
constexpr ULONGLONG kWaitBound = 15000;
constexpr DWORD kLookInterval = 50;

bool TextEquals(const wchar_t* a, const wchar_t* b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

// The main window of a running instance that is not ending, walking the top-level windows in
// Z order from the topmost one.
HWND RunningMainWindow() {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (IsRunningMainWindow(window) && !GetPropW(window, kEndingProperty)) return window;
  }
  return nullptr;
}

// The running instance shows itself, as a tray-icon click would (without unfolding a strip); this
// start, which the user just made, lets it come to the front. An instance of an earlier version
// does not know the request and is shown from here.
void BringForward(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  AllowSetForegroundWindow(process);
  DWORD_PTR answer = 0;
  const bool answered =
      SendMessageTimeoutW(window, BringForwardMessage(), 0, 0, SMTO_ABORTIFHUNG, kLookInterval * 100, &answer);
  if (answered && static_cast<LRESULT>(answer) == kBroughtForward) return;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}

// The mark is taken over when the instance that held it ends (the system then hands the
// abandoned mutex to a waiting owner).
bool TakeOver(HANDLE mark, DWORD wait) {
  const DWORD result = WaitForSingleObject(mark, wait);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

// Keeps the mark's handle for the life of the process in every case, so that the name stays
// while this instance runs.
bool TryClaim() {
  HANDLE mark = CreateMutexW(nullptr, TRUE, L"ToDoMutex");
  if (!mark || GetLastError() != ERROR_ALREADY_EXISTS) return true;
  const ULONGLONG deadline = GetTickCount64() + kWaitBound;
  for (;;) {
    const HWND window = RunningMainWindow();
    const bool taken = !window && TakeOver(mark, kLookInterval);
    switch (ChooseStart(window != nullptr, taken, GetTickCount64() >= deadline)) {
      case StartChoice::BringForward:
        CloseHandle(mark);
        BringForward(window);
        return false;
      case StartChoice::StartAsTheOne:
      case StartChoice::StartAsFurther: return true;
      case StartChoice::KeepWaiting: break;
    }
  }
}

}  // namespace

UINT BringForwardMessage() {
  static const UINT message = RegisterWindowMessageW(L"Pendra.BringForward");
  return message;
}

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
