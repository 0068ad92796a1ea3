#pragma once
// When the sheet is saved while the program runs, so that a crash, a kill or a lost session
// loses at most the last seconds: about one second after the last change, and at the latest
// five seconds after the first unsaved change while changes keep coming. A failed save is
// tried again later; only the first failure in a row is reported. Times are milliseconds of
// any steady clock.
#include <cstdint>
#include <optional>

namespace pendra {

class SaveScheduler {
 public:
  static constexpr std::uint64_t kQuietMs = 1000;
  static constexpr std::uint64_t kLatestMs = 5000;

  void Changed(std::uint64_t now);
  // A save begins; it holds the changes up to now. Changes while it writes stay to be saved.
  void Began();
  // When the next save is due; nothing while everything is saved.
  std::optional<std::uint64_t> DueAt() const;
  bool IsDue(std::uint64_t now) const;
  // Whether a failure of the next save is to be reported (not after one already was).
  bool ReportsFailure() const { return !failureReported_; }
  // After a save at `now`: a success leaves unsaved only what changed while it wrote; a failure
  // keeps the changes and tries again after the latest delay.
  void Saved(bool success, std::uint64_t now);
  // The save could not run now (another program's version of the file is still arriving): it is
  // tried again after the quiet time, and nothing counts as a failure.
  void Postponed(std::uint64_t now);

 private:
  std::optional<std::uint64_t> firstUnsaved_;
  bool saving_ = false;
  std::optional<std::uint64_t> firstWhileSaving_;
  std::uint64_t lastChange_ = 0;
  bool failureReported_ = false;
};

}  // namespace pendra
