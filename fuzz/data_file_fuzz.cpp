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
#include "xml/XmlDocument.h"

namespace {

// The screen the loaded window is placed on; the reports are not looked at.
const pendra::ScreenFacts kScreen{{100, 100, 370, 211}, {0, 0, 1920, 1080}, 1920, 1080, pendra::Scale{}, 30};

// A sheet loaded as the main window loads it.
struct Loaded {
  explicit Loaded(const std::string& path) {
    clean = pendra::XMLLaden(sheet, state, pendra::FromUtf8(path), kScreen).clean;
  }
  pendra::Sheet sheet;
  pendra::DataFileState state;
  bool clean = false;
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
  const Loaded loaded(InputPath());
  const pendra::Sheet& sheet = loaded.sheet;
  Check(sheet.RowCount() >= 1 && sheet.ColCount() >= 1);
  Check(static_cast<long long>(sheet.RowCount()) * sheet.ColCount() <= pendra::Sheet::kMaxCellCount);
  Check(sheet.Alignments().size() == static_cast<size_t>(sheet.ColCount()));

  // The sheet written as a file and read again is the same sheet.
  pendra::XmlDocument document;
  pendra::BuildDataFileTree(*document.Root(), sheet.Image());
  const std::string bytes = document.SaveToBytes();
  std::ofstream(InputPath(), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<long>(bytes.size()));
  const Loaded again(InputPath());
  Check(again.clean);
  Check(again.sheet.RowCount() == sheet.RowCount() && again.sheet.ColCount() == sheet.ColCount());
  return 0;
}
