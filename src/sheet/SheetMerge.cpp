#include "sheet/SheetMerge.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "sheet/SequenceMatch.h"

namespace pendra {

namespace {

// Columns are weighed by this many of their first cells.
constexpr int kColumnRowsWeighed = 1000;

const std::u16string kEmpty;

bool SameText(const std::u16string& a, const std::u16string& b) { return a == b || (IsBlank(a) && IsBlank(b)); }

struct Version {
  const Sheet::Content& content;

  int Cols() const { return static_cast<int>(content.widths.size()); }
  int Rows() const { return static_cast<int>(content.rows.size()); }
  const std::u16string& Cell(int col, int row) const {
    if (row < 0 || row >= Rows() || col < 0) return kEmpty;
    const std::vector<std::u16string>& cells = content.rows[static_cast<size_t>(row)];
    return col < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(col)] : kEmpty;
  }
  int Width(int col) const { return content.widths[static_cast<size_t>(col)]; }
  TCellAlignment Alignment(int col) const {
    return col < static_cast<int>(content.alignments.size()) ? content.alignments[static_cast<size_t>(col)] : ALIGNLEFT;
  }
};

// One element of the merged order: its index in each version, -1 where it is not.
struct Triple {
  int base = -1;
  int mine = -1;
  int other = -1;
};

// Where each element of `later` came from: its base index, or -1 for an inserted one.
std::vector<int> Origins(const std::vector<int>& baseToLater, int laterCount) {
  std::vector<int> from(static_cast<size_t>(laterCount), -1);
  for (int b = 0; b < static_cast<int>(baseToLater.size()); ++b) {
    if (baseToLater[b] >= 0) from[static_cast<size_t>(baseToLater[b])] = b;
  }
  return from;
}

// Inserted elements by the gap they stand in: gap g is just before base element g.
std::vector<std::vector<int>> InsertedByGap(const std::vector<int>& from, int baseCount) {
  std::vector<std::vector<int>> gaps(static_cast<size_t>(baseCount) + 1);
  int gap = 0;
  for (int i = 0; i < static_cast<int>(from.size()); ++i) {
    if (from[i] >= 0) {
      gap = from[i] + 1;
    } else {
      gaps[static_cast<size_t>(gap)].push_back(i);
    }
  }
  return gaps;
}

// Where the elements one side inserted into a gap go among the other side's: an element inserted
// on both sides is one, and of two runs inserted between the same elements the one whose keys
// come first in order goes first. Both sides of a merge so put them in the same order.
void AddGap(const std::vector<int>& mine, const std::vector<std::u16string>& mineKeys, const std::vector<int>& other,
            const std::vector<std::u16string>& otherKeys, std::vector<Triple>& order) {
  const int mineCount = static_cast<int>(mine.size());
  const int otherCount = static_cast<int>(other.size());
  std::vector<int> twins =
      MatchSequence({mineCount, [&](int i) { return mineKeys[static_cast<size_t>(i)]; }},
                    {otherCount, [&](int i) { return otherKeys[static_cast<size_t>(i)]; }}, [](int, int) { return 0; });
  int m = 0;
  int o = 0;
  const auto addRuns = [&](int mineEnd, int otherEnd) {
    const bool mineFirst = std::lexicographical_compare(mineKeys.begin() + m, mineKeys.begin() + mineEnd,
                                                        otherKeys.begin() + o, otherKeys.begin() + otherEnd);
    const auto addMine = [&] {
      for (; m < mineEnd; ++m) order.push_back({-1, mine[static_cast<size_t>(m)], -1});
    };
    const auto addOther = [&] {
      for (; o < otherEnd; ++o) order.push_back({-1, -1, other[static_cast<size_t>(o)]});
    };
    if (mineFirst) {
      addMine();
      addOther();
    } else {
      addOther();
      addMine();
    }
  };
  for (int i = 0; i < mineCount; ++i) {
    const int twin = twins[static_cast<size_t>(i)];
    if (twin < 0 || mineKeys[static_cast<size_t>(i)] != otherKeys[static_cast<size_t>(twin)]) continue;
    addRuns(i, twin);
    order.push_back({-1, mine[static_cast<size_t>(i)], other[static_cast<size_t>(twin)]});
    m = i + 1;
    o = twin + 1;
  }
  addRuns(mineCount, otherCount);
}

// The merged order: in each gap both sides' insertions (see AddGap), then the base element.
// `mineKey` and `otherKey` give an inserted element's key: equal keys are the same element.
template <class MineKey, class OtherKey>
std::vector<Triple> Interleave(int baseCount, const std::vector<int>& toMine, int mineCount,
                               const std::vector<int>& toOther, int otherCount, MineKey mineKey, OtherKey otherKey) {
  const std::vector<std::vector<int>> mineGaps = InsertedByGap(Origins(toMine, mineCount), baseCount);
  const std::vector<std::vector<int>> otherGaps = InsertedByGap(Origins(toOther, otherCount), baseCount);
  std::vector<Triple> order;
  for (int gap = 0; gap <= baseCount; ++gap) {
    const std::vector<int>& mine = mineGaps[static_cast<size_t>(gap)];
    const std::vector<int>& other = otherGaps[static_cast<size_t>(gap)];
    if (!mine.empty() || !other.empty()) {
      std::vector<std::u16string> mineKeys;
      std::vector<std::u16string> otherKeys;
      for (int i : mine) mineKeys.push_back(mineKey(i));
      for (int i : other) otherKeys.push_back(otherKey(i));
      AddGap(mine, mineKeys, other, otherKeys, order);
    }
    if (gap < baseCount) order.push_back({gap, toMine[static_cast<size_t>(gap)], toOther[static_cast<size_t>(gap)]});
  }
  return order;
}

// The three-way rule for one value: a side that kept the base's value takes the other side's;
// a value missing on a side is the base's there. Where both sides hold the same, the other's
// stays, so that a version bringing nothing new merges into itself. When both changed it
// differently this run's stays, and `conflict` is set.
template <class T, class Same = std::equal_to<T>>
T Merge3(const std::optional<T>& base, std::optional<T> mine, std::optional<T> other, bool* conflict = nullptr,
         Same same = {}) {
  if (!mine) mine = base;
  if (!other) other = base;
  if (!mine) return other.value_or(T{});
  if (!other) return *mine;
  if (same(*mine, *other)) return *other;
  if (base && same(*mine, *base)) return *other;
  if (base && same(*other, *base)) return *mine;
  if (conflict) *conflict = true;
  return *mine;
}

// A key of the texts at the given columns, each with its length first, so that no two rows of
// different texts share one.
std::u16string RowKey(const Version& v, int row, const std::vector<int>& cols) {
  std::u16string key;
  for (int col : cols) AddToRowKey(key, v.Cell(col, row));
  return key;
}

// Two different texts that begin alike (an edit at the end, a word added) are alike.
bool BeginAlike(const std::u16string& a, const std::u16string& b) {
  const size_t shorter = std::min(a.size(), b.size());
  if (shorter == 0) return false;
  const size_t common = static_cast<size_t>(std::mismatch(a.begin(), a.begin() + shorter, b.begin()).first - a.begin());
  return common * 2 >= shorter;
}

class Merger {
 public:
  Merger(const Sheet::Content& base, const Sheet::Content& mine, const Sheet::Content& other)
      : base_{base}, mine_{mine}, other_{other} {}

  SheetMerge Run() {
    const std::vector<int> colsToMine = MatchColumns(mine_);
    const std::vector<int> colsToOther = MatchColumns(other_);
    const std::vector<Triple> cols = Interleave(
        base_.Cols(), colsToMine, mine_.Cols(), colsToOther, other_.Cols(), [&](int m) { return mine_.Cell(m, 0); },
        [&](int o) { return other_.Cell(o, 0); });
    const std::vector<int> rowsToMine = MatchRows(mine_, cols, &Triple::mine);
    const std::vector<int> rowsToOther = MatchRows(other_, cols, &Triple::other);
    const std::vector<Triple> rows = Interleave(
        TaskCount(base_), rowsToMine, TaskCount(mine_), rowsToOther, TaskCount(other_),
        [&](int m) { return TaskKey(mine_, m + 1, &Triple::mine, cols); },
        [&](int o) { return TaskKey(other_, o + 1, &Triple::other, cols); });
    for (const Triple& col : cols) {
      if (ColumnStays(col, rows)) columns_.push_back(col);
    }
    // Each side deleted every column the other kept: a sheet has at least one, and this run's stay.
    if (columns_.empty()) {
      for (const Triple& col : cols) {
        if (col.mine >= 0) columns_.push_back(col);
      }
    }
    SheetMerge merge;
    BuildColumns(merge);
    BuildRows(rows, merge);
    BuildScalars(merge);
    return merge;
  }

 private:
  static int TaskCount(const Version& v) { return std::max(0, v.Rows() - 1); }

  std::vector<int> MatchColumns(const Version& later) const {
    const auto caption = [](const Version& v) { return [&v](int col) { return v.Cell(col, 0); }; };
    return MatchSequence({base_.Cols(), caption(base_)}, {later.Cols(), caption(later)}, [&](int b, int l) {
      int like = BeginAlike(base_.Cell(b, 0), later.Cell(l, 0)) ? 1 : 0;
      const int rows = std::min({base_.Rows(), later.Rows(), kColumnRowsWeighed});
      for (int row = 1; row < rows; ++row) {
        const std::u16string& text = base_.Cell(b, row);
        if (!text.empty() && text == later.Cell(l, row)) ++like;
      }
      return like;
    });
  }

  // The tasks (rows from 1 on) are compared on the columns both versions have.
  std::vector<int> MatchRows(const Version& later, const std::vector<Triple>& cols, int Triple::*side) const {
    std::vector<int> baseCols;
    std::vector<int> laterCols;
    for (const Triple& col : cols) {
      if (col.base >= 0 && col.*side >= 0) {
        baseCols.push_back(col.base);
        laterCols.push_back(col.*side);
      }
    }
    return MatchSequence({TaskCount(base_), [&](int task) { return RowKey(base_, task + 1, baseCols); }},
                         {TaskCount(later), [&](int task) { return RowKey(later, task + 1, laterCols); }},
                         [&](int b, int l) {
                           int like = 0;
                           for (size_t i = 0; i < baseCols.size(); ++i) {
                             const std::u16string& a = base_.Cell(baseCols[i], b + 1);
                             const std::u16string& c = later.Cell(laterCols[i], l + 1);
                             if (!a.empty() && a == c) like += 3;
                             if (a != c && BeginAlike(a, c)) like += 1;
                           }
                           return like;
                         });
  }

  // A task's texts in every column of the merge as one key: tasks of equal keys hold the same texts.
  static std::u16string TaskKey(const Version& v, int row, int Triple::*side, const std::vector<Triple>& cols) {
    std::u16string key;
    for (const Triple& col : cols) AddToRowKey(key, col.*side >= 0 ? v.Cell(col.*side, row) : kEmpty);
    return key;
  }

  // A column one side deleted stays when the other side changed it: its caption, width,
  // alignment, or a task's text in it.
  bool ColumnStays(const Triple& col, const std::vector<Triple>& rows) const {
    if (col.base < 0 || (col.mine >= 0 && col.other >= 0)) return true;
    if (col.mine < 0 && col.other < 0) return false;
    const bool mineKept = col.mine >= 0;
    const Version& kept = mineKept ? mine_ : other_;
    const int keptCol = mineKept ? col.mine : col.other;
    if (kept.Cell(keptCol, 0) != base_.Cell(col.base, 0) || kept.Width(keptCol) != base_.Width(col.base) ||
        kept.Alignment(keptCol) != base_.Alignment(col.base)) {
      return true;
    }
    for (const Triple& row : rows) {
      const int keptRow = mineKept ? row.mine : row.other;
      if (keptRow < 0) continue;
      const std::u16string& before = row.base >= 0 ? base_.Cell(col.base, row.base + 1) : kEmpty;
      if (!SameText(kept.Cell(keptCol, keptRow + 1), before)) return true;
    }
    return false;
  }

  std::optional<std::u16string> CellOf(const Version& v, int col, int row) const {
    if (col < 0 || row < 0) return std::nullopt;
    return v.Cell(col, row);
  }

  // The merged texts of a row (row numbers of each version; -1 where it has none).
  std::vector<std::u16string> MergedCells(int baseRow, int mineRow, int otherRow) {
    std::vector<std::u16string> cells;
    for (const Triple& col : columns_) {
      bool conflict = false;
      cells.push_back(Merge3(CellOf(base_, col.base, baseRow), CellOf(mine_, col.mine, mineRow),
                             CellOf(other_, col.other, otherRow), &conflict, SameText));
      if (conflict) ++lost_;
    }
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    return cells;
  }

  void BuildColumns(SheetMerge& merge) {
    merge.content.rows.push_back(MergedCells(0, 0, 0));
    merge.mineColTo.assign(static_cast<size_t>(mine_.Cols()), -1);
    for (size_t i = 0; i < columns_.size(); ++i) {
      const Triple& col = columns_[i];
      const auto width = [](const Version& v, int c) { return c >= 0 ? std::optional<int>(v.Width(c)) : std::nullopt; };
      const auto alignment = [](const Version& v, int c) {
        return c >= 0 ? std::optional<TCellAlignment>(v.Alignment(c)) : std::nullopt;
      };
      merge.content.widths.push_back(Merge3(width(base_, col.base), width(mine_, col.mine), width(other_, col.other)));
      merge.content.alignments.push_back(
          Merge3(alignment(base_, col.base), alignment(mine_, col.mine), alignment(other_, col.other)));
      if (col.mine >= 0) merge.mineColTo[static_cast<size_t>(col.mine)] = static_cast<int>(i);
    }
  }

  // A task one side deleted stays when the other side changed it.
  void BuildRows(const std::vector<Triple>& rows, SheetMerge& merge) {
    merge.mineRowTo.assign(static_cast<size_t>(mine_.Rows()), -1);
    if (!merge.mineRowTo.empty()) merge.mineRowTo[0] = 0;
    for (const Triple& row : rows) {
      const int baseRow = row.base >= 0 ? row.base + 1 : -1;
      const int mineRow = row.mine >= 0 ? row.mine + 1 : -1;
      const int otherRow = row.other >= 0 ? row.other + 1 : -1;
      std::vector<std::u16string> cells = MergedCells(baseRow, mineRow, otherRow);
      const bool deletedOnASide = baseRow >= 0 && (mineRow < 0 || otherRow < 0);
      if (deletedOnASide && cells == MergedCells(baseRow, -1, -1)) continue;
      if (mineRow >= 0) merge.mineRowTo[static_cast<size_t>(mineRow)] = static_cast<int>(merge.content.rows.size());
      merge.content.rows.push_back(std::move(cells));
    }
  }

  void BuildScalars(SheetMerge& merge) {
    const Sheet::Content& base = base_.content;
    const Sheet::Content& mine = mine_.content;
    const Sheet::Content& other = other_.content;
    Sheet::Content& merged = merge.content;
    merged.flags = Merge3<SheetFlags>(base.flags, mine.flags, other.flags);
    merged.lineWidth = Merge3<int>(base.lineWidth, mine.lineWidth, other.lineWidth);
    merged.fixedRows = Merge3<int>(base.fixedRows, mine.fixedRows, other.fixedRows);
    // The title row stays fixed only while a task row is below it.
    if (merged.rows.size() < 2) merged.fixedRows = 0;
    merge.otherTextsLost = lost_;
  }

  Version base_;
  Version mine_;
  Version other_;
  std::vector<Triple> columns_;
  int lost_ = 0;
};

}  // namespace

SheetMerge MergeSheets(const Sheet::Content& base, const Sheet::Content& mine, const Sheet::Content& other) {
  return Merger(base, mine, other).Run();
}

bool IsBlank(const std::u16string& text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= u' '; });
}

void AddToRowKey(std::u16string& key, const std::u16string& text) {
  const std::u16string& added = IsBlank(text) ? kEmpty : text;
  key += static_cast<char16_t>(added.size() >> 16);
  key += static_cast<char16_t>(added.size() & 0xFFFF);
  key += added;
}

bool SameSheet(const Sheet::Content& a, const Sheet::Content& b) {
  if (a.rows.size() != b.rows.size() || a.widths != b.widths || a.alignments != b.alignments ||
      a.fixedRows != b.fixedRows || a.flags != b.flags || a.lineWidth != b.lineWidth) {
    return false;
  }
  const auto used = [](const std::vector<std::u16string>& row) {
    size_t count = row.size();
    while (count > 0 && row[count - 1].empty()) --count;
    return count;
  };
  for (size_t r = 0; r < a.rows.size(); ++r) {
    const size_t count = used(a.rows[r]);
    if (count != used(b.rows[r]) || !std::equal(a.rows[r].begin(), a.rows[r].begin() + count, b.rows[r].begin())) {
      return false;
    }
  }
  return true;
}

}  // namespace pendra
