#include "sheet/KnownVersions.h"

#include <gtest/gtest.h>

#include "sheet/SheetMerge.h"

namespace pendra {
namespace {

// Captions and three tasks of two cells.
Sheet::Content List(const std::u16string& first, const std::u16string& third) {
  Sheet::Content content;
  content.rows = {{u"Aufgabe", u"Zeit"}, {first, u"1h"}, {u"second", u"2h"}, {third, u"3h"}};
  content.widths = {210, 45};
  content.alignments = {ALIGNLEFT, ALIGNLEFT};
  return content;
}

TEST(KnownVersions, AVersionFromAnotherPcMergesAgainstTheKnownVersionItDescendsFrom) {
  const Sheet::Content read = List(u"first", u"third");
  const Sheet::Content written = List(u"first, ours", u"third");  // this run's save after it
  struct Case {
    const char* name;
    Sheet::Content other;
    Sheet::Content merged;
  };
  const Case cases[] = {
      // The other PC had this run's save and changed the same task again: no conflict, its text.
      {"after this run's save", List(u"first, theirs", u"third"), List(u"first, theirs", u"third")},
      // The other PC changed its own copy of what this run read: both edits, this run's kept.
      {"beside this run's save", List(u"first", u"third, theirs"), List(u"first, ours", u"third, theirs")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KnownVersions known;
    known.Add(read);
    known.Add(written);
    const SheetMerge merge = MergeSheets(known.BaseFor(c.other), written, c.other);
    EXPECT_EQ(merge.content.rows, c.merged.rows);
    EXPECT_EQ(merge.otherTextsLost, 0);
  }
}

// Versions share the rows they have in common, yet each counts whole against the memory bound:
// of three large versions that differ in one task, the oldest goes.
TEST(KnownVersions, EveryVersionCountsWholeThoughItSharesRowsWithTheOthers) {
  Sheet sheet(1, 30'000);
  for (int row = 0; row < sheet.RowCount(); ++row) sheet.SetCell(0, row, u"a task of some forty characters, each row");
  ASSERT_GT(sheet.Contents().Bytes(), KnownVersions::kMaxBytes / 3);
  ASSERT_LT(sheet.Contents().Bytes(), KnownVersions::kMaxBytes / 2);
  KnownVersions known;
  std::vector<Sheet::Content> versions;
  for (const char16_t* task : {u"one", u"two", u"three"}) {
    sheet.SetCell(0, 7, task);
    versions.push_back(sheet.Snapshot());
    known.Add(sheet.Snapshot());
  }
  EXPECT_EQ(known.BaseFor(versions[1]), versions[1]);
  // The first is gone: the newest of the nearest known ones stands in for it.
  EXPECT_EQ(known.BaseFor(versions[0]), versions[2]);
}

}  // namespace
}  // namespace pendra
