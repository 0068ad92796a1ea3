#include "sheet/SaveScheduler.h"

#include <algorithm>

namespace pendra {

void SaveScheduler::Changed(std::uint64_t now) {
  if (!firstUnsaved_) firstUnsaved_ = now;
  lastChange_ = now;
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
  if (success) {
    firstUnsaved_.reset();
    failureReported_ = false;
    return;
  }
  failureReported_ = true;
  // The next try: the latest delay from now, unless a change brings it closer.
  firstUnsaved_ = now;
  lastChange_ = now + kLatestMs;
}

void SaveScheduler::Postponed(std::uint64_t now) {
  if (!firstUnsaved_) return;
  firstUnsaved_ = now;
  lastChange_ = now;
}

}  // namespace pendra
