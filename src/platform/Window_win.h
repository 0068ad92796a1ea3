#pragma once
// The small base of every window class of the program: the static window procedure
// finds the C++ object (passed as lpCreateParams) and forwards to OnMessage.
#include <windows.h>

#include <exception>

#include "platform/Failure.h"

namespace pendra {

// Receives every failure that a message handler lets escape, so that none reaches
// Windows' message dispatch. The application installs its report here.
using UnhandledFailureHandler = void (*)(const std::exception& failure);
void SetUnhandledFailureHandler(UnhandledFailureHandler handler);
void ReportUnhandledFailure(const std::exception& failure);

// Runs a window procedure's handling of a message; a failure of any kind is reported and
// the message answered with 0, so that nothing escapes into Windows' dispatch.
template <typename Handling>
LRESULT WithFailuresReported(Handling handling) {
  try {
    return handling();
  } catch (const std::exception& failure) {
    ReportUnhandledFailure(failure);
  } catch (...) {
    ReportUnhandledFailure(UnknownFailure());
  }
  return 0;
}

// Dispatches the thread's pending messages; a quit request stays pending for the main loop.
void ProcessPendingMessages();

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the class once per process; style and background as given.
  static void RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background, HICON icon = nullptr);
  HWND CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x, int y,
                      int width, int height, HWND parent, HMENU idOrMenu = nullptr);

  // One line per message in derived classes; unhandled messages go to DefaultProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after WM_NCDESTROY, when the handle is gone.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace pendra
