#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <vector>

#include "platform/Hints_win.h"
#include "platform/Window_win.h"

namespace pendra {

namespace {

class HintOwner : public Window {
 public:
  HintOwner() {
    RegisterClassOnce(L"PendraHintsTestOwner", 0, nullptr);
    CreateWindowOf(L"PendraHintsTestOwner", L"", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
  }
};

BOOL CALLBACK CollectTooltip(HWND window, LPARAM found) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (CompareStringOrdinal(name, -1, TOOLTIPS_CLASSW, -1, TRUE) == CSTR_EQUAL) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

// The tooltip windows a Hints made for this owner.
std::vector<HWND> TooltipsOf(HWND owner) {
  std::vector<HWND> all, owned;
  EnumThreadWindows(GetCurrentThreadId(), CollectTooltip, reinterpret_cast<LPARAM>(&all));
  for (HWND tooltip : all) {
    if (GetWindow(tooltip, GW_OWNER) == owner) owned.push_back(tooltip);
  }
  return owned;
}

}  // namespace

TEST(Hints, TheProgramsHintAppearanceReachesHintsMadeBeforeItAndAfterIt) {
  HintOwner earlier, later;
  Hints before;
  before.Create(earlier.Handle());
  SetApplicationHintAppearance({RGB(255, 255, 255), 400, 25000});
  Hints after;
  after.Create(later.Handle());

  for (HWND owner : {earlier.Handle(), later.Handle()}) {
    const std::vector<HWND> tooltips = TooltipsOf(owner);
    ASSERT_EQ(tooltips.size(), 1u);
    HWND tooltip = tooltips.front();
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTIPBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 400);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 25000);
  }
}

}  // namespace pendra
