// Merges three sheets made from any bytes: the base, this run's version and the other's, split
// by 0x1E; in each, rows are split by "\n" and cells by "|". The merge runs on versions other
// programs wrote, so a crash, a sanitizer report or a hang is a finding, and so is a merged sheet
// that breaks the sheet's own rules, or that is not the other side's when only that side changed.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Utf.h"
#include "sheet/SheetMerge.h"

namespace {

void Check(bool rule) {
  if (!rule) std::abort();
}

pendra::Sheet::Content ContentOf(std::string_view bytes) {
  pendra::Sheet::Content content;
  size_t columns = 1;
  while (true) {
    const size_t end = bytes.find('\n');
    const std::string_view line = bytes.substr(0, end);
    std::vector<std::u16string> cells;
    size_t start = 0;
    while (true) {
      const size_t bar = line.find('|', start);
      cells.push_back(pendra::FromUtf8(line.substr(start, bar == std::string_view::npos ? bar : bar - start)));
      if (bar == std::string_view::npos) break;
      start = bar + 1;
    }
    if (content.rows.empty()) columns = cells.size();
    cells.resize(std::min(cells.size(), columns));
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    content.rows.push_back(std::move(cells));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  content.widths.assign(columns, 64);
  content.alignments.assign(columns, pendra::ALIGNLEFT);
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const size_t first = bytes.find('\x1e');
  const size_t second = first == std::string_view::npos ? first : bytes.find('\x1e', first + 1);
  if (second == std::string_view::npos) return 0;
  const pendra::Sheet::Content base = ContentOf(bytes.substr(0, first));
  const pendra::Sheet::Content mine = ContentOf(bytes.substr(first + 1, second - first - 1));
  const pendra::Sheet::Content other = ContentOf(bytes.substr(second + 1));

  const pendra::SheetMerge merge = pendra::MergeSheets(base, mine, other);
  const pendra::Sheet::Content& merged = merge.content;
  Check(!merged.rows.empty() && !merged.widths.empty());
  Check(merged.alignments.size() == merged.widths.size());
  for (const auto& row : merged.rows) Check(row.size() <= merged.widths.size());
  Check(merged.fixedRows >= 0 && merged.fixedRows < static_cast<int>(merged.rows.size()));
  Check(merge.mineRowTo.size() == mine.rows.size() && merge.mineColTo.size() == mine.widths.size());
  for (int to : merge.mineRowTo) Check(to >= -1 && to < static_cast<int>(merged.rows.size()));
  // What only one side changed is that side's version.
  if (mine == base) Check(merged.rows == other.rows && merged.widths == other.widths);
  if (other == base) Check(merged.rows == mine.rows && merged.widths == mine.widths);
  return 0;
}
