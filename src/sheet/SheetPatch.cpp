#include "sheet/SheetPatch.h"

#include <algorithm>

namespace pendra {

namespace {

using Row = std::vector<std::u16string>;

bool SameLook(const Sheet::Content& a, const Sheet::Content& b) {
  return a.alignments == b.alignments && a.fixedRows == b.fixedRows && a.flags == b.flags && a.lineWidth == b.lineWidth;
}

SheetLook LookOf(const Sheet::Content& content) {
  return {content.alignments, content.fixedRows, content.flags, content.lineWidth};
}

void SwapLook(Sheet::Content& content, SheetLook& look) {
  std::swap(content.alignments, look.alignments);
  std::swap(content.fixedRows, look.fixedRows);
  std::swap(content.flags, look.flags);
  std::swap(content.lineWidth, look.lineWidth);
}

}  // namespace

RowSpan SheetPatch::Rows() const {
  return rows.empty() ? RowSpan{} : RowSpan{rows.front().first, rows.back().first + 1};
}

size_t SheetPatch::Bytes() const {
  size_t bytes = sizeof(SheetPatch) + rows.capacity() * sizeof(rows[0]);
  for (const auto& [row, cells] : rows) bytes += Sheet::Content::RowBytes(cells);
  if (widths) bytes += widths->size() * sizeof(int);
  if (look) bytes += look->alignments.size();
  return bytes;
}

SheetPatch TakeDifference(Sheet::Content& kept, const Sheet::Content& now, RowSpan changed) {
  SheetPatch patch;
  const int keptRows = static_cast<int>(kept.rows.size());
  const int nowRows = static_cast<int>(now.rows.size());
  patch.rowCount = keptRows;
  if (keptRows != nowRows) changed.Add({std::min(keptRows, nowRows), std::max(keptRows, nowRows)});
  if (nowRows > keptRows) kept.rows.resize(nowRows);
  const int end = std::min(changed.end, std::max(keptRows, nowRows));
  for (int row = changed.first; row < end; ++row) {
    const bool exists = row < nowRows;
    if (row < keptRows && exists && kept.rows[row] == now.rows[row]) continue;
    Row before;
    kept.rows.Exchange(row, before);
    patch.rows.emplace_back(row, std::move(before));
    if (exists) kept.rows.Share(row, now.rows, row);
  }
  kept.rows.resize(nowRows);
  if (kept.widths != now.widths) patch.widths = std::exchange(kept.widths, now.widths);
  if (!SameLook(kept, now)) {
    SheetLook look = LookOf(now);
    SwapLook(kept, look);
    patch.look = std::move(look);
  }
  return patch;
}

void SwapIn(Sheet::Content& content, SheetPatch& patch) {
  const int rows = patch.rowCount;
  patch.rowCount = static_cast<int>(content.rows.size());
  if (rows > patch.rowCount) content.rows.resize(rows);
  for (auto& [row, cells] : patch.rows) content.rows.Exchange(row, cells);
  content.rows.resize(rows);
  if (patch.widths) std::swap(content.widths, *patch.widths);
  if (patch.look) SwapLook(content, *patch.look);
}

void CatchUp(Sheet::Content& kept, const Sheet::Content& now, const SheetPatch& patch) {
  kept.rows.resize(now.rows.size());
  for (const auto& [row, cells] : patch.rows) {
    if (row < static_cast<int>(now.rows.size())) kept.rows.Share(row, now.rows, row);
  }
  if (patch.widths) kept.widths = now.widths;
  if (patch.look) {
    SheetLook look = LookOf(now);
    SwapLook(kept, look);
  }
}

}  // namespace pendra
