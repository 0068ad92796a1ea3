#pragma once
// Saving soon after every change, in the background: a timer of the main window fires when the
// save scheduler says a save is due; of a run of failing saves only the first is reported, and a
// report's own message loop cannot start a second save. The file is written on a thread of its
// own, so that the window goes on answering however large the sheet: the save begins and ends on
// the window's thread, and only the writing runs away from it. One save is on its way at a time.
#include <windows.h>

#include <functional>
#include <optional>
#include <thread>

#include "sheet/SaveScheduler.h"

namespace pendra {

class BackgroundSave {
 public:
  enum class Outcome { Saved, Failed, NotNow };
  // What ends a save on the window's thread (records what was written, reports when told to) and
  // tells whether the data file then holds the sheet.
  using Ending = std::function<Outcome()>;
  // The writing: it touches nothing the window's thread uses, and hands back the ending.
  using Writing = std::function<Ending()>;
  // Begins a save on the window's thread: the writing, or none when the save cannot run now.
  using Beginning = std::function<std::optional<Writing>(bool report)>;

  // The writing's thread posts `writtenMessage` to the window when it is done.
  BackgroundSave(Beginning begin, UINT writtenMessage) : begin_(std::move(begin)), writtenMessage_(writtenMessage) {}
  ~BackgroundSave();
  BackgroundSave(const BackgroundSave&) = delete;
  BackgroundSave& operator=(const BackgroundSave&) = delete;

  // From now on changes are saved, through the window's timer of that identifier.
  void Start(HWND window, UINT_PTR timer);
  // Stops for good (the window closes and saves by itself), once a save on its way has ended.
  void Stop();
  void Changed();
  // The data file holds the sheet as it is now: nothing waits to be saved.
  void Saved();
  // The window's timer fired.
  void OnTimer();
  // The written message came, or the window is about to use the data file itself: a save on its
  // way is waited for and ended now.
  void Finish();
  // A save is on its way (begun and not yet ended, its reports included).
  bool Busy() const { return saving_; }

 private:
  void Arm();
  void End();

  Beginning begin_;
  UINT writtenMessage_;
  SaveScheduler scheduler_;
  HWND window_ = nullptr;
  UINT_PTR timer_ = 0;
  bool saving_ = false;
  // The save on its way: its writing, the thread that runs it, and the ending it handed back.
  Writing writing_;
  Ending ending_;
  std::thread writer_;
};

}  // namespace pendra
