// What the undo history adds to the editing of a large sheet: 10,000 task rows of three columns,
// and a sheet of a million cells (333,332 task rows). Each benchmark is one action of the user as
// the main window runs it through the edit session, the grid's view included, without painting:
//  - TypedCharacter: a character typed into a cell outside editing and the edit closed, a step of
//    its own (which the next key ends);
//  - TypeAndMoveDown: a character typed into the open editor, then the current cell moved down,
//    which ends the edit's step and empties a blank cell entered;
//  - CommandAfterCut: a cell emptied, then a menu command's checkpoint;
//  - AbsorbedRefit: the columns fitted to a new window width while the user drags its edge, no step;
//  - UndoRedo: the last step taken back and done again.
// ThousandEdits runs 1,000 single-cell edits, each a step, and counts the steps the history holds.
#include <benchmark/benchmark.h>
#include <string>

#include "platform/Utf.h"
#include "sheet/SheetHistory.h"
#include "sheet/SheetRules.h"
#include "ui/EditSession.h"
#include "ui/GridModel.h"

namespace {

using pendra::GridCell;
using pendra::Sheet;

constexpr int kKeyA = 'A';
constexpr int kKeyDown = 0x28;
constexpr int kKeyZ = 'Z';

std::u16string Number(int n) { return pendra::FromUtf8(std::to_string(n)); }

void Fill(Sheet& sheet, int tasks) {
  sheet.SetRowCount(tasks + 1);
  for (int row = 1; row <= tasks; ++row) {
    sheet.SetCell(0, row, u"Hoch");
    sheet.SetCell(1, row, u"Steuer & Belege für Müller " + Number(row));
    sheet.SetCell(2, row, u"10min");
  }
}

// The sheet, the grid's view of it and the edit session, as the main window holds them.
struct Desk {
  explicit Desk(int tasks) {
    Fill(sheet, tasks);
    grid.SetViewSize(308, 149);
    grid.SetCurrentCell({1, tasks / 2});
    edits.Begin();
  }
  Sheet sheet;
  pendra::GridModel grid{sheet};
  pendra::EditSession edits{sheet};
};

const char16_t* Typed(int64_t iteration) { return iteration % 2 == 0 ? u"a" : u"b"; }

void TypedCharacter(benchmark::State& run) {
  Desk desk(static_cast<int>(run.range(0)));
  const GridCell cell = desk.grid.CurrentCell();
  int64_t typed = 0;
  for (auto _ : run) {
    desk.edits.Key(desk.grid, kKeyA, false, false);
    desk.grid.BeginEditing();
    desk.sheet.SetCell(cell.col, cell.row, Typed(++typed));
    desk.grid.EndEditing();
  }
}

void TypeAndMoveDown(benchmark::State& run) {
  Desk desk(static_cast<int>(run.range(0)));
  int64_t typed = 0;
  for (auto _ : run) {
    const GridCell cell = desk.grid.CurrentCell();
    desk.edits.Key(desk.grid, kKeyA, false, false);
    desk.grid.BeginEditing();
    desk.sheet.SetCell(cell.col, cell.row, Typed(++typed));
    desk.edits.Key(desk.grid, kKeyDown, false, false);
    desk.grid.EndEditing();
    const GridCell below{cell.col, cell.row + 1 < desk.sheet.RowCount() ? cell.row + 1 : 1};
    desk.edits.Absorbed([&] { pendra::EmptyIfBlank(desk.sheet, below.col, below.row); });
    desk.grid.SetCurrentCell(below);
  }
}

void CommandAfterCut(benchmark::State& run) {
  Desk desk(static_cast<int>(run.range(0)));
  const GridCell cell = desk.grid.CurrentCell();
  int64_t typed = 0;
  for (auto _ : run) {
    desk.sheet.SetCell(cell.col, cell.row, Typed(++typed));
    desk.edits.Command();
  }
}

void AbsorbedRefit(benchmark::State& run) {
  Desk desk(static_cast<int>(run.range(0)));
  int width = 200;
  for (auto _ : run) {
    width = width == 200 ? 201 : 200;
    desk.edits.Absorbed([&] {
      Sheet::Batch batch(desk.sheet);
      desk.sheet.SetColWidth(1, width);
    });
  }
}

void UndoRedo(benchmark::State& run) {
  Desk desk(static_cast<int>(run.range(0)));
  for (int step = 1; step <= 10; ++step) {
    desk.sheet.SetCell(1, step, u"Schritt " + Number(step));
    desk.edits.Command();
  }
  int64_t undone = 0;
  for (auto _ : run) {
    desk.edits.Key(desk.grid, kKeyZ, true, false);
    undone += desk.edits.Undo().row >= 0 ? 1 : 0;
    desk.edits.Redo();
  }
  run.counters["undone"] = benchmark::Counter(static_cast<double>(undone), benchmark::Counter::kAvgIterations);
}

void ThousandEdits(benchmark::State& run) {
  const int tasks = static_cast<int>(run.range(0));
  Sheet sheet;
  Fill(sheet, tasks);
  size_t steps = 0;
  int round = 0;
  for (auto _ : run) {
    ++round;
    run.PauseTiming();
    {
      pendra::SheetHistory history(sheet);
      run.ResumeTiming();
      for (int edit = 0; edit < 1000; ++edit) {
        sheet.SetCell(edit % 3, 1 + edit * 7 % tasks, u"Änderung " + Number(round) + u"." + Number(edit));
        history.Checkpoint();
      }
      steps = history.UndoSteps();
      run.PauseTiming();
    }
    run.ResumeTiming();
  }
  run.counters["steps held"] = static_cast<double>(steps);
}

// A million cells: the title row and 333,332 task rows of three columns.
constexpr int kMillionCellTasks = 333'332;

BENCHMARK(TypedCharacter)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(TypeAndMoveDown)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(CommandAfterCut)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(AbsorbedRefit)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(UndoRedo)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(ThousandEdits)->Arg(10'000)->Arg(kMillionCellTasks)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
