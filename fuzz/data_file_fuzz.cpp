// Feeds any bytes as a data file through the XML engine and the loader into a sheet, every
// section's fallback included. A crash, a sanitizer report or a hang is a finding; so is a
// sheet that breaks its own rules, or one that does not come back the same from its file.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ScratchFile.h"
#include "platform/Utf.h"
#include "sheet/DataFile.h"
#include "sheet/LoadSave.h"
#include "sheet/SheetWindow.h"
#include "xml/XmlDocument.h"

namespace {

// A window that keeps its rectangle as numbers and forgets the reports.
class QuietWindow : public pendra::SheetWindow {
 public:
  pendra::Sheet& TheSheet() override { return sheet; }
  pendra::PendraUnitState& State() override { return state; }
  pendra::Rect Rectangle() const override { return rect; }
  void SetLeft(int left) override { rect.left = left; }
  void SetTop(int top) override { rect.top = top; }
  void SetClientWidth(int width) override { rect.width = width; }
  void SetClientHeight(int height) override { rect.height = height; }
  pendra::Rect VirtualDesktop() const override { return {0, 0, 1920, 1080}; }
  int PrimaryScreenWidth() const override { return 1920; }
  int PrimaryScreenHeight() const override { return 1080; }
  void loadSkin() override {}
  pendra::Scale DisplayScale() const override { return pendra::Scale{}; }
  void ShowExceptionMessageBox(const std::u16string&) override {}
  void ShowInfoMessageBox(const std::u16string&, const std::u16string&) override {}
  void ShowErrorMessageBox(const std::u16string&, const std::u16string&) override {}

  pendra::Sheet sheet;
  pendra::PendraUnitState state;
  pendra::Rect rect{100, 100, 370, 211};
};

void Check(bool rule) {
  if (!rule) std::abort();
}

// Removed when the run ends, as the static goes.
const std::string& InputPath() {
  static const ScratchFile file("data-file.xml");
  static const std::string path = file.Path().string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ofstream(InputPath(), std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<long>(size));
  QuietWindow window;
  window.state.CollapsedWidth = 30;
  window.state.ExpandState = pendra::ExpandStates::Expanded;
  pendra::XMLLaden(window, pendra::FromUtf8(InputPath()));

  const pendra::Sheet& sheet = window.sheet;
  Check(sheet.RowCount() >= 1 && sheet.ColCount() >= 1);
  Check(static_cast<long long>(sheet.RowCount()) * sheet.ColCount() <= pendra::Sheet::kMaxCellCount);
  Check(sheet.Alignments().size() == static_cast<size_t>(sheet.ColCount()));

  // The sheet written as a file and read again is the same sheet.
  pendra::XmlDocument document;
  pendra::BuildDataFileTree(*document.Root(), sheet);
  const std::string bytes = document.SaveToBytes();
  std::ofstream(InputPath(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<long>(bytes.size()));
  QuietWindow again;
  again.state.CollapsedWidth = 30;
  again.state.ExpandState = pendra::ExpandStates::Expanded;
  Check(pendra::XMLLaden(again, pendra::FromUtf8(InputPath())));
  Check(again.sheet.RowCount() == sheet.RowCount() && again.sheet.ColCount() == sheet.ColCount());
  return 0;
}
