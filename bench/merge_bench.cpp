// What taking in another PC's version costs: the three-way merge of two versions of a sheet of
// 10,000 task rows, each side with its own edits since the base, as a synced folder brings them.
// Two kinds of sheet: every task different (a long list as people keep it), and a list whose
// rows are mostly alike (empty rows, the same few tasks), which leaves the row matcher few
// anchors. Reports the time of one merge and the rows of the merged sheet.
#include <benchmark/benchmark.h>
#include <string>

#include "platform/Utf.h"
#include "sheet/SheetMerge.h"

namespace {

using pendra::Sheet;

constexpr int kTasks = 10'000;

std::u16string Number(int n) { return pendra::FromUtf8(std::to_string(n)); }

Sheet::Content Base(bool alike) {
  Sheet sheet;
  sheet.SetRowCount(kTasks + 1);
  for (int row = 1; row <= kTasks; ++row) {
    sheet.SetCell(0, row, u"Hoch");
    sheet.SetCell(1, row, alike ? (row % 4 == 0 ? u"Steuer" : u"") : u"Steuer & Belege für Müller " + Number(row));
    sheet.SetCell(2, row, u"10min");
  }
  return sheet.Snapshot();
}

// One side's edits: `edits` cells changed across the sheet, rows inserted and deleted here and
// there, and rows added at the end, all at places of its own.
Sheet::Content Edited(const Sheet::Content& base, int first, const std::u16string& who) {
  Sheet::Content content = base;
  auto& rows = content.rows;
  constexpr int kEdits = 200;
  for (int i = 0; i < kEdits; ++i) {
    const int row = 1 + (first + i * 47) % (kTasks - 100);
    rows.Edit(static_cast<size_t>(row))[static_cast<size_t>(i % 3)] += u" " + who + Number(i);
  }
  for (int i = 0; i < 20; ++i) {
    const int row = 1 + (first * 3 + i * 491) % (kTasks - 100);
    rows.Insert(static_cast<size_t>(row), {u"Neu", who + u" eingefügt " + Number(i), u""});
    rows.Erase(static_cast<size_t>(row) + 250);
  }
  for (int i = 0; i < 20; ++i) rows.push_back({u"", who + u" angehängt " + Number(i), u""});
  return content;
}

void MergeTwoVersions(benchmark::State& run) {
  const bool alike = run.range(0) != 0;
  const Sheet::Content base = Base(alike);
  const Sheet::Content mine = Edited(base, 11, u"PC1 ");
  const Sheet::Content other = Edited(base, 29, u"PC2 ");
  size_t rows = 0;
  for (auto _ : run) {
    const pendra::SheetMerge merge = pendra::MergeSheets(base, mine, other);
    rows = merge.content.rows.size();
    benchmark::DoNotOptimize(rows);
  }
  run.counters["rows"] = static_cast<double>(rows);
  run.SetLabel(alike ? "rows mostly alike" : "every task different");
}
BENCHMARK(MergeTwoVersions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
