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
#include "sheet/SheetWindow.h"

namespace {

class BenchWindow : public pendra::SheetWindow {
 public:
  pendra::Sheet& TheSheet() override { return sheet; }
  pendra::PendraUnitState& State() override { return state; }
  pendra::Rect Rectangle() const override { return {1510, 434, 370, 211}; }
  void SetLeft(int) override {}
  void SetTop(int) override {}
  void SetClientWidth(int) override {}
  void SetClientHeight(int) override {}
  pendra::Rect VirtualDesktop() const override { return {0, 0, 1920, 1080}; }
  int PrimaryScreenWidth() const override { return 1920; }
  int PrimaryScreenHeight() const override { return 1080; }
  void loadSkin() override {}
  pendra::Scale DisplayScale() const override { return pendra::Scale{}; }
  void ShowExceptionMessageBox(const std::u16string&) override { std::abort(); }
  void ShowInfoMessageBox(const std::u16string&, const std::u16string&) override {}
  void ShowErrorMessageBox(const std::u16string&, const std::u16string&) override { std::abort(); }

  pendra::Sheet sheet;
  pendra::PendraUnitState state;
};

void BackgroundSave(benchmark::State& run) {
  const int tasks = static_cast<int>(run.range(0));
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pendra-save-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  BenchWindow window;
  window.state.ExpandState = pendra::ExpandStates::Expanded;
  window.state.DataFolder = pendra::FromUtf8(folder.string() + "/");
  window.sheet.SetRowCount(tasks + 1);
  for (int row = 1; row <= tasks; ++row) {
    window.sheet.SetCell(0, row, u"Hoch");
    window.sheet.SetCell(1, row, u"Steuer & Belege '" + pendra::FromUtf8(std::to_string(row)) + u"' für Müller");
    window.sheet.SetCell(2, row, u"10min");
  }
  for (auto _ : run) {
    if (!pendra::XMLSpeichern(window)) run.SkipWithError("the save failed");
  }
  run.counters["bytes"] = static_cast<double>(std::filesystem::file_size(folder / "Pendra.xml"));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BackgroundSave)->Arg(50)->Arg(10'000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
