#include "sheet/SaveScheduler.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(SaveScheduler, NothingChangedNothingIsDue) {
  SaveScheduler scheduler;
  EXPECT_FALSE(scheduler.DueAt());
  EXPECT_FALSE(scheduler.IsDue(1'000'000));
}

TEST(SaveScheduler, OneChangeIsSavedASecondLater) {
  SaveScheduler scheduler;
  scheduler.Changed(10'000);
  EXPECT_EQ(scheduler.DueAt(), 11'000u);
  EXPECT_FALSE(scheduler.IsDue(10'999));
  EXPECT_TRUE(scheduler.IsDue(11'000));
  scheduler.Saved(true, 11'000);
  EXPECT_FALSE(scheduler.DueAt());
}

TEST(SaveScheduler, ABurstIsSavedOnceASecondAfterItsLastChange) {
  SaveScheduler scheduler;
  for (std::uint64_t t = 10'000; t <= 10'600; t += 200) scheduler.Changed(t);
  EXPECT_EQ(scheduler.DueAt(), 11'600u);
}

TEST(SaveScheduler, ContinuousTypingIsSavedFiveSecondsAfterTheFirstChange) {
  SaveScheduler scheduler;
  std::uint64_t t = 10'000;
  for (; !scheduler.IsDue(t); t += 300) scheduler.Changed(t);
  EXPECT_EQ(scheduler.DueAt(), 15'000u);
  scheduler.Saved(true, t);
  scheduler.Changed(t + 300);
  EXPECT_EQ(scheduler.DueAt(), t + 1'300);  // the next round starts anew
}

// A save writes the sheet as it was when it began: what changed while it wrote is saved after it.
TEST(SaveScheduler, AChangeWhileASaveWritesIsSavedAfterIt) {
  SaveScheduler scheduler;
  scheduler.Changed(10'000);
  scheduler.Began();
  scheduler.Saved(true, 11'500);
  EXPECT_FALSE(scheduler.DueAt());

  scheduler.Changed(20'000);
  scheduler.Began();
  scheduler.Changed(21'200);
  scheduler.Changed(21'400);
  scheduler.Saved(true, 22'000);
  EXPECT_EQ(scheduler.DueAt(), 22'400u);
  scheduler.Began();
  scheduler.Saved(true, 22'400);
  EXPECT_FALSE(scheduler.DueAt());
}

TEST(SaveScheduler, AFailedSaveIsReportedOnceAndTriedAgainUntilOneSucceeds) {
  SaveScheduler scheduler;
  scheduler.Changed(10'000);
  EXPECT_TRUE(scheduler.ReportsFailure());
  scheduler.Saved(false, 11'000);
  EXPECT_FALSE(scheduler.ReportsFailure());
  EXPECT_EQ(scheduler.DueAt(), 16'000u);  // tried again without a further change
  scheduler.Changed(12'000);
  EXPECT_EQ(scheduler.DueAt(), 13'000u);  // or sooner after one
  scheduler.Saved(false, 13'000);
  EXPECT_FALSE(scheduler.ReportsFailure());
  scheduler.Saved(true, 18'000);
  EXPECT_TRUE(scheduler.ReportsFailure());
  EXPECT_FALSE(scheduler.DueAt());
}

TEST(SaveScheduler, APostponedSaveComesAgainAfterTheQuietTimeAndIsNoFailure) {
  SaveScheduler scheduler;
  scheduler.Changed(10'000);
  scheduler.Postponed(11'000);
  EXPECT_EQ(scheduler.DueAt(), 12'000u);
  EXPECT_TRUE(scheduler.ReportsFailure());
  scheduler.Saved(true, 12'000);
  scheduler.Postponed(13'000);  // nothing unsaved: nothing becomes due
  EXPECT_FALSE(scheduler.DueAt());
}

}  // namespace
}  // namespace pendra
