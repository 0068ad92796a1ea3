#include "app/BackgroundSave_win.h"

#include <exception>

namespace pendra {

BackgroundSave::~BackgroundSave() {
  if (writer_.joinable()) writer_.join();
}

void BackgroundSave::Start(HWND window, UINT_PTR timer) {
  window_ = window;
  timer_ = timer;
}

void BackgroundSave::Stop() {
  if (window_) KillTimer(window_, timer_);
  window_ = nullptr;
  Finish();
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
  // A save on its way arms the timer again when it ends.
  if (saving_) return;
  if (!scheduler_.IsDue(GetTickCount64())) {
    Arm();
    return;
  }
  saving_ = true;
  std::optional<Writing> writing = begin_(scheduler_.ReportsFailure());
  // A close during the beginning's reports stopped the saving.
  if (!writing || !window_) {
    saving_ = false;
    scheduler_.Postponed(GetTickCount64());
    if (window_) Arm();
    return;
  }
  scheduler_.Began();
  writing_ = std::move(*writing);
  writer_ = std::thread([this, window = window_, written = writtenMessage_] {
    try {
      ending_ = writing_();
    } catch (...) {
      ending_ = [failure = std::current_exception()]() -> Outcome { std::rethrow_exception(failure); };
    }
    PostMessageW(window, written, 0, 0);
  });
}

void BackgroundSave::Finish() {
  if (writer_.joinable()) End();
}

void BackgroundSave::End() {
  writer_.join();
  const Ending ending = std::move(ending_);
  ending_ = nullptr;
  writing_ = nullptr;
  Outcome outcome = Outcome::Failed;
  try {
    outcome = ending();
  } catch (...) {
    saving_ = false;
    scheduler_.Saved(false, GetTickCount64());
    throw;
  }
  saving_ = false;
  if (outcome == Outcome::NotNow) {
    scheduler_.Postponed(GetTickCount64());
  } else {
    scheduler_.Saved(outcome == Outcome::Saved, GetTickCount64());
  }
  // A close during the save's reports stopped the saving.
  if (window_) Arm();
}

}  // namespace pendra
