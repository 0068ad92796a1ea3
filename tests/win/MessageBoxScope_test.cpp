#include <windows.h>

#include <gtest/gtest.h>

#include "app/MessageBoxScope_win.h"
#include "platform/Window_win.h"

namespace pendra {

namespace {

class TestWindow : public Window {
 public:
  TestWindow(DWORD exStyle, HWND owner, bool visible) {
    RegisterClassOnce(L"PendraBoxScopeTestWindow", 0, nullptr);
    CreateWindowOf(L"PendraBoxScopeTestWindow", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), exStyle, 0, 0, 10, 10,
                   owner);
  }
};

bool TopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

// The main window, a dialog it owns and a second window are disabled while a box is open; a
// hidden window and one that was disabled before are left alone; afterwards all is as before.
TEST(MessageBoxScope, DisablesTheProgramsVisibleWindowsUntilItEnds) {
  TestWindow main(WS_EX_TOPMOST, nullptr, true);
  TestWindow dialog(WS_EX_TOPMOST, main.Handle(), true);
  TestWindow other(0, nullptr, true);
  TestWindow hidden(0, nullptr, false);
  TestWindow disabled(0, nullptr, true);
  EnableWindow(disabled.Handle(), FALSE);
  {
    MessageBoxScope scope(main.Handle());
    for (HWND window : {main.Handle(), dialog.Handle(), other.Handle(), disabled.Handle()}) {
      EXPECT_FALSE(IsWindowEnabled(window));
    }
    EXPECT_TRUE(IsWindowEnabled(hidden.Handle()));
  }
  for (HWND window : {main.Handle(), dialog.Handle(), other.Handle(), hidden.Handle()}) {
    EXPECT_TRUE(IsWindowEnabled(window));
  }
  EXPECT_FALSE(IsWindowEnabled(disabled.Handle()));
  EXPECT_TRUE(TopMost(main.Handle()));
  EXPECT_TRUE(TopMost(dialog.Handle()));
  EXPECT_FALSE(TopMost(other.Handle()));
}

}  // namespace pendra
