#include "sheet/SaveScheduler.h"

#include <algorithm>
#include <utility>

namespace pendra {

void SaveScheduler::Changed(std::uint64_t now) {
  if (!firstUnsaved_) firstUnsaved_ = now;
  if (saving_ && !firstWhileSaving_) firstWhileSaving_ = now;
  lastChange_ = now;
}

void SaveScheduler::Began() {
  saving_ = true;
  firstWhileSaving_.reset();
}

std::optional<std::uint64_t> SaveScheduler::DueAt() const {
  if (!firstUnsaved_) return std::nullopt;
  return std::min(lastChange_ + kQuietMs, *firstUnsaved_ + kLatestMs);
}

bool SaveScheduler::IsDue(std::uint64_t now) const {
  const std::optional<std::uint64_t> due = DueAt();
  return due && now >= *due;
}

void SaveScheduler::Saved(bool success, std::uint64_t now) {
  saving_ = false;
  if (success) {
    firstUnsaved_ = std::exchange(firstWhileSaving_, std::nullopt);
    failureReported_ = false;
    return;
  }
  failureReported_ = true;
  // The next try: the latest delay from now, unless a change brings it closer.
  firstUnsaved_ = now;
  lastChange_ = now + kLatestMs;
}

void SaveScheduler::Postponed(std::uint64_t now) {
  saving_ = false;
  if (!firstUnsaved_) return;
  firstUnsaved_ = now;
  lastChange_ = now;
}

}  // namespace pendra
