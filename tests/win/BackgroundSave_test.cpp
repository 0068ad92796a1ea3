#include <windows.h>

#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <vector>

#include "app/BackgroundSave_win.h"
#include "platform/Unique_win.h"
#include "platform/Window_win.h"

namespace pendra {

namespace {

constexpr UINT kWrittenMessage = WM_APP + 4;
constexpr UINT kQuestionMessage = WM_APP + 5;
constexpr UINT_PTR kSaveTimer = 1;
constexpr LRESULT kAnswer = 42;

// A window that hands its timer and the written message to its background save, as the main
// window does, and answers a question.
class SavingWindow : public Window {
 public:
  explicit SavingWindow(BackgroundSave::Beginning begin) : save(std::move(begin), kWrittenMessage) {
    RegisterClassOnce(L"PendraBackgroundSaveTest", 0, nullptr);
    CreateWindowOf(L"PendraBackgroundSaveTest", L"", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
    save.Start(Handle(), kSaveTimer);
  }
  ~SavingWindow() override { DestroyWindow(Handle()); }

  BackgroundSave save;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_TIMER: save.OnTimer(); return 0;
      case kWrittenMessage: save.Finish(); return 0;
      case kQuestionMessage: return kAnswer;
    }
    return DefaultProc(message, wParam, lParam);
  }
};

// Dispatches the window thread's messages until the event is set.
void PumpUntil(HANDLE event) {
  HANDLE events[] = {event};
  while (MsgWaitForMultipleObjects(1, events, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

UniqueHandle NewEvent() { return UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

// What happened, in order, from either thread.
class Log {
 public:
  void Add(std::string entry) {
    const std::lock_guard<std::mutex> lock(mutex_);
    entries_.push_back(std::move(entry));
  }
  std::vector<std::string> Entries() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return entries_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> entries_;
};

}  // namespace

// The writing asks the window a question while it writes: the window answers, since its thread
// does not wait for the writing; the save then ends on the window's thread.
TEST(BackgroundSave, TheWindowAnswersWhileTheSaveWrites) {
  const UniqueHandle ended = NewEvent();
  const DWORD windowThread = GetCurrentThreadId();
  Log log;
  HWND window = nullptr;
  SavingWindow saving([&](bool) -> std::optional<BackgroundSave::Writing> {
    log.Add("begun on the window's thread: " + std::to_string(GetCurrentThreadId() == windowThread));
    return [&]() -> BackgroundSave::Ending {
      DWORD_PTR answer = 0;
      const bool answered = SendMessageTimeoutW(window, kQuestionMessage, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
      log.Add("written on the window's thread: " + std::to_string(GetCurrentThreadId() == windowThread));
      log.Add("the window answered: " + std::to_string(answered && answer == kAnswer));
      return [&] {
        log.Add("ended on the window's thread: " + std::to_string(GetCurrentThreadId() == windowThread));
        SetEvent(ended.Get());
        return BackgroundSave::Outcome::Saved;
      };
    };
  });
  window = saving.Handle();
  saving.save.Changed();
  PumpUntil(ended.Get());

  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{"begun on the window's thread: 1", "written on the window's thread: 0",
                                      "the window answered: 1", "ended on the window's thread: 1"}));
  EXPECT_FALSE(saving.save.Busy());
}

// A close while the save writes waits for it and ends it before the close saves by itself: the
// close's save, of the sheet as it is then, is the last to reach the file.
TEST(BackgroundSave, AStopWhileTheSaveWritesEndsItBeforeTheClosesOwnSave) {
  const UniqueHandle writing = NewEvent();
  const UniqueHandle closing = NewEvent();
  Log log;
  SavingWindow saving([&](bool) -> std::optional<BackgroundSave::Writing> {
    return [&]() -> BackgroundSave::Ending {
      SetEvent(writing.Get());
      WaitForSingleObject(closing.Get(), 10000);
      log.Add("background save wrote");
      return [&] {
        log.Add("background save ended");
        return BackgroundSave::Outcome::Saved;
      };
    };
  });
  saving.save.Changed();
  PumpUntil(writing.Get());

  SetEvent(closing.Get());
  saving.save.Stop();
  log.Add("the close saved the sheet");

  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{"background save wrote", "background save ended", "the close saved the sheet"}));
  EXPECT_FALSE(saving.save.Busy());
}

}  // namespace pendra
