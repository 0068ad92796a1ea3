// What one save in the background costs while the user types: the whole sheet of 50 or
// 10,000 task rows written as the program saves it (tree, bytes, a temporary file flushed to
// the disk, the atomic replace), into a folder of the system's temp folder. Reports the time
// of one save and the bytes written.
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Utf.h"
#include "sheet/LoadSave.h"

namespace {

void BackgroundSave(benchmark::State& run) {
  const int tasks = static_cast<int>(run.range(0));
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pendra-save-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  pendra::Sheet sheet;
  pendra::DataFileState state;
  state.DataFolder = pendra::FromUtf8(folder.string() + "/");
  sheet.SetRowCount(tasks + 1);
  for (int row = 1; row <= tasks; ++row) {
    sheet.SetCell(0, row, u"Hoch");
    sheet.SetCell(1, row, u"Steuer & Belege '" + pendra::FromUtf8(std::to_string(row)) + u"' für Müller");
    sheet.SetCell(2, row, u"10min");
  }
  const pendra::Rect window{1510, 434, 370, 211};
  for (auto _ : run) {
    if (!pendra::XMLSpeichern(sheet, state, window).saved) run.SkipWithError("the save failed");
  }
  run.counters["bytes"] = static_cast<double>(std::filesystem::file_size(folder / "Pendra.xml"));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BackgroundSave)->Arg(50)->Arg(10'000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
