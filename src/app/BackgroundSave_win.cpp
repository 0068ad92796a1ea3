#include "app/BackgroundSave_win.h"

namespace pendra {

void BackgroundSave::Start(HWND window, UINT_PTR timer) {
  window_ = window;
  timer_ = timer;
}

void BackgroundSave::Stop() {
  if (window_) KillTimer(window_, timer_);
  window_ = nullptr;
}

void BackgroundSave::Changed() {
  if (!window_) return;
  scheduler_.Changed(GetTickCount64());
  Arm();
}

void BackgroundSave::Saved() {
  if (!window_) return;
  scheduler_.Saved(true, GetTickCount64());
  Arm();
}

void BackgroundSave::Arm() {
  const std::optional<std::uint64_t> due = scheduler_.DueAt();
  if (!due) {
    KillTimer(window_, timer_);
    return;
  }
  const std::uint64_t now = GetTickCount64();
  SetTimer(window_, timer_, static_cast<UINT>(*due > now ? *due - now : 0), nullptr);
}

void BackgroundSave::OnTimer() {
  if (!window_) return;
  KillTimer(window_, timer_);
  if (saving_) return;
  if (scheduler_.IsDue(GetTickCount64())) {
    saving_ = true;
    const Outcome outcome = save_(scheduler_.ReportsFailure());
    saving_ = false;
    if (outcome == Outcome::NotNow) {
      scheduler_.Postponed(GetTickCount64());
    } else {
      scheduler_.Saved(outcome == Outcome::Saved, GetTickCount64());
    }
  }
  // A close during the save's report stopped the saving.
  if (window_) Arm();
}

}  // namespace pendra
