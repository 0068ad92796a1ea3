#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
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

std::u16string TextOf(HWND tooltip, TTTOOLINFOW info) {
  wchar_t text[80] = {};
  info.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
  return reinterpret_cast<const char16_t*>(text);
}

TEST(Hints, HintsGivenBeforeTheMouseCameAreAllInTheTooltipMadeThenAndChangesReachItAtOnce) {
  HintOwner owner;
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, owner.Handle(), nullptr, nullptr, nullptr);
  Hints hints;
  hints.Create(owner.Handle());
  hints.AddForWindow(child, u"child");
  hints.AddForArea(7, {1, 2, 3, 4}, u"area");
  hints.SetAreaText(7, u"Fläche");
  hints.MoveArea(7, {10, 20, 30, 40});
  EXPECT_TRUE(TooltipsOf(owner.Handle()).empty());

  hints.Activate();
  hints.Activate();
  const std::vector<HWND> tooltips = TooltipsOf(owner.Handle());
  ASSERT_EQ(tooltips.size(), 1u);
  HWND tooltip = tooltips.front();
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
  TTTOOLINFOW area{};
  area.cbSize = sizeof(area);
  area.hwnd = owner.Handle();
  area.uId = 7;
  EXPECT_EQ(TextOf(tooltip, area), u"Fläche");
  ASSERT_TRUE(SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&area)));
  EXPECT_EQ(area.rect.left, 10);
  EXPECT_EQ(area.rect.bottom, 60);
  TTTOOLINFOW window = area;
  window.uId = reinterpret_cast<UINT_PTR>(child);
  EXPECT_EQ(TextOf(tooltip, window), u"child");

  hints.SetWindowHint(child, u"new");
  EXPECT_EQ(TextOf(tooltip, window), u"new");
  DestroyWindow(child);
}

TEST(Hints, TheProgramsHintAppearanceReachesHintsMadeBeforeItAndAfterIt) {
  HintOwner earlier, later;
  Hints before;
  before.Create(earlier.Handle());
  before.Activate();
  SetApplicationHintAppearance({RGB(255, 255, 255), 400, 25000});
  Hints after;
  after.Create(later.Handle());
  after.Activate();

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
