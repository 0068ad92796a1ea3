#pragma once
// Saving soon after every change, in the background: a timer of the main window fires when the
// save scheduler says a save is due; of a run of failing saves only the first is reported, and a
// report's own message loop cannot start a second save.
#include <windows.h>

#include <functional>

#include "sheet/SaveScheduler.h"

namespace pendra {

class BackgroundSave {
 public:
  enum class Outcome { Saved, Failed, NotNow };
  // The save shows its reports when told to, and tells whether the data file then holds the sheet,
  // or that it could not run now.
  explicit BackgroundSave(std::function<Outcome(bool report)> save) : save_(std::move(save)) {}

  // From now on changes are saved, through the window's timer of that identifier.
  void Start(HWND window, UINT_PTR timer);
  // Stops for good (the window closes and saves by itself).
  void Stop();
  void Changed();
  // The data file holds the sheet as it is now: nothing waits to be saved.
  void Saved();
  // The window's timer fired.
  void OnTimer();

 private:
  void Arm();

  std::function<Outcome(bool report)> save_;
  SaveScheduler scheduler_;
  HWND window_ = nullptr;
  UINT_PTR timer_ = 0;
  bool saving_ = false;
};

}  // namespace pendra
