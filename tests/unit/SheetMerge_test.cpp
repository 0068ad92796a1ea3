#include "sheet/SheetMerge.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/Utf.h"

namespace pendra {
namespace {

// A sheet written as text: rows split by "/", cells by "|"; the first row holds the captions.
// Every column is 64 wide and left-aligned.
Sheet::Content Content(const std::string& text) {
  Sheet::Content content;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('/', start);
    const std::string row = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::vector<std::u16string> cells;
    size_t cellStart = 0;
    while (true) {
      const size_t bar = row.find('|', cellStart);
      cells.push_back(FromUtf8(row.substr(cellStart, bar == std::string::npos ? std::string::npos : bar - cellStart)));
      if (bar == std::string::npos) break;
      cellStart = bar + 1;
    }
    content.rows.push_back(cells);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const size_t cols = content.rows[0].size();
  content.widths.assign(cols, 64);
  content.alignments.assign(cols, ALIGNLEFT);
  for (size_t r = 0; r < content.rows.size(); ++r) {
    std::vector<std::u16string>& row = content.rows.Edit(r);
    row.resize(cols);
    while (!row.empty() && row.back().empty()) row.pop_back();
  }
  return content;
}

// The merged sheet as text, in the same form.
std::string Text(const Sheet::Content& content) {
  std::string text;
  for (size_t r = 0; r < content.rows.size(); ++r) {
    if (r) text += "/";
    for (size_t c = 0; c < content.widths.size(); ++c) {
      if (c) text += "|";
      if (c < content.rows[r].size()) text += ToUtf8(content.rows[r][c]);
    }
  }
  return text;
}

struct Case {
  const char* name;
  std::string base, mine, other, merged;
  int lost = 0;
};

TEST(SheetMerge, MergesTasksAndColumnsAsALineMergeMergesLines) {
  const Case cases[] = {
      {"nothing changed", "A|B/a1|b1/a2|b2", "A|B/a1|b1/a2|b2", "A|B/a1|b1/a2|b2", "A|B/a1|b1/a2|b2"},
      {"an edit of the other side", "A|B/a1|b1/a2|b2", "A|B/a1|b1/a2|b2", "A|B/a1|b1/a2|B2", "A|B/a1|b1/a2|B2"},
      {"an edit of this side", "A|B/a1|b1/a2|b2", "A|B/A1|b1/a2|b2", "A|B/a1|b1/a2|b2", "A|B/A1|b1/a2|b2"},
      {"edits of both sides in different tasks", "A|B/a1|b1/a2|b2", "A|B/A1|b1/a2|b2", "A|B/a1|b1/a2|B2",
       "A|B/A1|b1/a2|B2"},
      {"edits of both sides in different cells of one task", "A|B/a1|b1/a2|b2", "A|B/A1|b1/a2|b2", "A|B/a1|B1/a2|b2",
       "A|B/A1|B1/a2|b2"},
      {"the same edit on both sides", "A|B/a1|b1", "A|B/x|b1", "A|B/x|b1", "A|B/x|b1"},
      {"a conflict keeps this side's text", "A|B/a1|b1/a2|b2", "A|B/mine|b1/a2|b2", "A|B/theirs|b1/a2|b2",
       "A|B/mine|b1/a2|b2", 1},
      {"a task added above the other side's edit", "A|B/a1|b1/a2|b2", "A|B/new|n/a1|b1/a2|b2", "A|B/a1|b1/a2|B2",
       "A|B/new|n/a1|b1/a2|B2"},
      {"a task deleted above the other side's edit", "A|B/a1|b1/a2|b2/a3|b3", "A|B/a2|b2/a3|b3",
       "A|B/a1|b1/a2|b2/a3|B3", "A|B/a2|b2/a3|B3"},
      {"a task added on each side at the same place", "A|B/a1|b1/a2|b2", "A|B/a1|b1/mine|m/a2|b2",
       "A|B/a1|b1/theirs|t/a2|b2", "A|B/a1|b1/mine|m/theirs|t/a2|b2"},
      {"the same task added on both sides comes once", "A|B/a1|b1", "A|B/a1|b1/milk|", "A|B/a1|b1/milk|",
       "A|B/a1|b1/milk|"},
      {"a task edited and moved down by an insertion above it", "A|B/x|1/y|2", "A|B/x|1/y|2", "A|B/new|0/x|1/y|22",
       "A|B/new|0/x|1/y|22"},
      {"an edited task after an inserted one on the same side", "A|B/buy milk|1", "A|B/other|9/buy milk now|1",
       "A|B/buy milk|2", "A|B/other|9/buy milk now|2"},
      {"a task deleted on one side and edited on the other stays", "A|B/a1|b1/a2|b2", "A|B/a2|b2", "A|B/a1|B1/a2|b2",
       "A|B/a1|B1/a2|b2"},
      {"a task deleted on both sides goes", "A|B/a1|b1/a2|b2", "A|B/a2|b2", "A|B/a2|b2", "A|B/a2|b2"},
      {"every task deleted", "A|B/a1|b1", "A|B", "A|B/a1|b1", "A|B"},
      {"a column added on the other side", "A|B/a1|b1", "A|B/A1|b1", "A|C|B/a1|c1|b1", "A|C|B/A1|c1|b1"},
      {"a column deleted on the other side", "A|B|C/a1|b1|c1", "A|B|C/A1|b1|c1", "A|C/a1|c1", "A|C/A1|c1"},
      {"a column deleted on one side and edited on the other stays", "A|B|C/a1|b1|c1", "A|C/a1|c1", "A|B|C/a1|B1|c1",
       "A|B|C/a1|B1|c1"},
      {"a caption renamed on one side, a cell edited on the other", "A|B/a1|b1", "A|Bee/a1|b1", "A|B/a1|B1",
       "A|Bee/a1|B1"},
      {"a column added on each side", "A/a1", "A|M/a1|m1", "A|O/a1|o1", "A|M|O/a1|m1|o1"},
      {"each side deleted the column the other kept", "A|B/a|b", "A/a", "B/b", "A/a"},
      {"a caption changed differently on both sides", "A|B/a1|b1", "A|Mine/a1|b1", "A|Theirs/a1|b1", "A|Mine/a1|b1", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SheetMerge merge = MergeSheets(Content(c.base), Content(c.mine), Content(c.other));
    EXPECT_EQ(Text(merge.content), c.merged);
    EXPECT_EQ(merge.otherTextsLost, c.lost);
    EXPECT_EQ(merge.content.alignments.size(), merge.content.widths.size());
  }
}

TEST(SheetMerge, BothSidesOfAMergeEndWithTheSameSheet) {
  // Two PCs merge each other's version against the same base: without a conflict both hold the
  // same sheet after it, so neither has anything new to send back.
  struct Symmetric {
    const char* name;
    std::string base, one, two, merged;
  };
  const Symmetric cases[] = {
      {"a task added on each side at the same place", "A|B/a1|b1", "A|B/a1|b1/zebra|1", "A|B/a1|b1/ant|2",
       "A|B/a1|b1/ant|2/zebra|1"},
      {"runs of tasks added around a task both added", "A|B/a1|b1", "A|B/a1|b1/x|1/both|0/y|1",
       "A|B/a1|b1/w|2/both|0/z|2", "A|B/a1|b1/w|2/x|1/both|0/y|1/z|2"},
      {"empty tasks added on both sides", "A|B/a1|b1", "A|B/a1|b1/|/|", "A|B/a1|b1/|/new|", "A|B/a1|b1/|/|/new|"},
      {"a column added on each side", "A/a1", "A|Zeit/a1|1h", "A|Ort/a1|Bonn", "A|Ort|Zeit/a1|Bonn|1h"},
      {"no base", "A|B", "A|B/mine|1/both|2", "A|B/both|2/theirs|3", "A|B/mine|1/both|2/theirs|3"},
  };
  for (const Symmetric& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Text(MergeSheets(Content(c.base), Content(c.one), Content(c.two)).content), c.merged);
    EXPECT_EQ(Text(MergeSheets(Content(c.base), Content(c.two), Content(c.one)).content), c.merged);
  }
}

TEST(SheetMerge, EmptyCellsAtARowsEndAreNone) {
  Sheet::Content a = Content("A|B/x|");
  Sheet::Content b = a;
  b.rows.Edit(1) = {u"x", u""};
  EXPECT_TRUE(SameSheet(a, b));
  b.rows.Edit(1) = {u"x", u"y"};
  EXPECT_FALSE(SameSheet(a, b));
  b = a;
  b.widths[0] = 65;
  EXPECT_FALSE(SameSheet(a, b));
}

TEST(SheetMerge, ABlankCellIsAnEmptyOne) {
  // A cell saved empty loads holding one blank; entering a blank cell empties it.
  const Case cases[] = {
      {"entered here, typed into there", "A|B/ |b1", "A|B/|b1", "A|B/typed|b1", "A|B/typed|b1"},
      {"typed into here, entered there", "A|B/ |b1", "A|B/typed|b1", "A|B/|b1", "A|B/typed|b1"},
      {"entered here, nothing new there", "A|B/ |b1", "A|B/|b1", "A|B/ |b1", "A|B/ |b1"},
      {"saved empty here, loaded as a blank there", "A|B/a1|", "A|B/a1|", "A|B/a1| ", "A|B/a1| "},
      {"a blank task entered here, typed into there", "A|B/a1|b1/ | ", "A|B/a1|b1/|", "A|B/a1|b1/ |new",
       "A|B/a1|b1/ |new"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SheetMerge merge = MergeSheets(Content(c.base), Content(c.mine), Content(c.other));
    EXPECT_EQ(Text(merge.content), c.merged);
    EXPECT_EQ(merge.otherTextsLost, 0);
  }
}

TEST(SheetMerge, AVersionBringingNothingNewMergesIntoItself) {
  // Nothing to save after such a merge: the data file already holds the sheet.
  const Sheet::Content base = Content("A|B/a1| /a2|b2");
  Sheet::Content mine = Content("A|B/a1|/a2|b2");
  const Sheet::Content other = Content("A|B/a1| /a2|b2");
  EXPECT_EQ(MergeSheets(base, mine, other).content, other);
  EXPECT_EQ(MergeSheets(other, other, other).content, other);
}

TEST(SheetMerge, WidthsAlignmentsAndFlagsMergeAsValues) {
  Sheet::Content base = Content("A|B|C/a|b|c");
  Sheet::Content mine = base;
  Sheet::Content other = base;
  mine.widths = {80, 64, 30};
  other.widths = {64, 90, 40};
  other.alignments = {ALIGNLEFT, ALIGNRIGHT, ALIGNLEFT};
  other.flags.ShowGridLines.Show(true);
  other.lineWidth = 0;
  const SheetMerge merge = MergeSheets(base, mine, other);
  EXPECT_EQ(merge.content.widths, (std::vector<int>{80, 90, 30}));  // both changed C: this side's
  EXPECT_EQ(merge.content.alignments, (std::vector<TCellAlignment>{ALIGNLEFT, ALIGNRIGHT, ALIGNLEFT}));
  EXPECT_TRUE(merge.content.flags.DrawGridLines());
  EXPECT_EQ(merge.content.lineWidth, 0);
  EXPECT_EQ(merge.otherTextsLost, 0);
}

TEST(SheetMerge, TellsWhereThisSidesRowsAndColumnsWent) {
  const SheetMerge merge =
      MergeSheets(Content("A|B|C/a1|b1|c1/a2|b2|c2"), Content("A|C/a2|c2"), Content("A|B|C/new||n/a1|b1|c1/a2|b2|c2"));
  EXPECT_EQ(Text(merge.content), "A|C/new|n/a2|c2");
  EXPECT_EQ(merge.mineRowTo, (std::vector<int>{0, 2}));
  EXPECT_EQ(merge.mineColTo, (std::vector<int>{0, 1}));
}

TEST(SheetMerge, WithoutABaseEveryDifferenceKeepsThisSidesTextAndBothSidesTasks) {
  // A first merge with the data file of another PC: the base is an empty sheet.
  const SheetMerge merge = MergeSheets(Content("A|B"), Content("A|B/mine|1/both|2"), Content("A|B/both|2/theirs|3"));
  EXPECT_EQ(Text(merge.content), "A|B/mine|1/both|2/theirs|3");
}

TEST(SheetMerge, TenThousandTasksWithAnEditOnEachSide) {
  std::string text = "A|B";
  for (int i = 0; i < 10'000; ++i) text += "/task " + std::to_string(i) + "|" + std::to_string(i % 7);
  const Sheet::Content base = Content(text);
  Sheet::Content mine = base;
  Sheet::Content other = base;
  mine.rows.Edit(10)[1] = u"mine";
  other.rows.Edit(9000)[0] = u"theirs";
  other.rows.Erase(5000);
  const SheetMerge merge = MergeSheets(base, mine, other);
  ASSERT_EQ(merge.content.rows.size(), 10'000u);
  EXPECT_EQ(merge.content.rows[10][1], u"mine");
  EXPECT_EQ(merge.content.rows[8999][0], u"theirs");
  EXPECT_EQ(merge.mineRowTo[5001], 5000);
  EXPECT_EQ(merge.mineRowTo[5000], -1);
}

}  // namespace
}  // namespace pendra
