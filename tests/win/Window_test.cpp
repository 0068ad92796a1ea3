#include <windows.h>

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "app/SingleInstance_win.h"
#include "platform/Window_win.h"

namespace pendra {

namespace {

// A top-level window of any class and caption, for the search rule.
class PlainWindow : public Window {
 public:
  PlainWindow(const wchar_t* className, const wchar_t* caption) {
    RegisterClassOnce(className, 0, nullptr);
    CreateWindowOf(className, caption, WS_POPUP, 0, 0, 0, 10, 10, nullptr);
  }
};

// A window whose handler fails.
class FailingWindow : public Window {
 public:
  FailingWindow() {
    RegisterClassOnce(L"PendraFailingTestWindow", 0, nullptr);
    CreateWindowOf(L"PendraFailingTestWindow", L"", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
  }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) throw std::runtime_error("handler failed");
    return DefaultProc(message, wParam, lParam);
  }
};

std::string reported;
void RecordFailure(const std::exception& failure) { reported = failure.what(); }

}  // namespace

TEST(SingleInstance, TheRunningWindowIsFoundByClassAndCaptionInAnyLetterCase) {
  struct Case {
    const wchar_t* className;
    const wchar_t* caption;
    bool matches;
  };
  const Case cases[] = {
      {L"TToDoForm", L"Pendra", true}, {L"TToDoForm", L"PENDRA", true},   {L"TToDoForm", L"Pendra Exit", false},
      {L"TToDoForm", L"", false},      {L"TOtherForm", L"Pendra", false}, {L"TToDoFormX", L"pendra", false},
  };
  for (const Case& c : cases) {
    PlainWindow window(c.className, c.caption);
    ASSERT_TRUE(window.Handle());
    EXPECT_EQ(IsRunningMainWindow(window.Handle()), c.matches) << c.caption;
  }
}

TEST(Window, AFailingHandlerIsReportedAndDoesNotReachTheDispatch) {
  reported.clear();
  SetUnhandledFailureHandler(RecordFailure);
  FailingWindow window;
  EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), 0);
  EXPECT_EQ(reported, "handler failed");
  EXPECT_TRUE(IsWindow(window.Handle()));
  SetUnhandledFailureHandler(nullptr);
}

}  // namespace pendra
