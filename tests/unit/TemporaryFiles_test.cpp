#include "sheet/TemporaryFiles.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "FakeSheetWindow.h"
#include "TempFolder.h"
#include "lang/Texts.h"
#include "platform/Utf.h"

namespace pendra {

namespace {

std::string Golden() {
  std::ifstream in(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/sheet/golden.xml", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The golden sheet with one task text changed, as a later save of the same list writes it.
std::string Edited(const std::string& task) {
  std::string file = Golden();
  const std::string old = "<Text>10min</Text>";
  return file.replace(file.find(old), old.size(), "<Text>" + task + "</Text>");
}

void WriteAged(const TempFolder& temp, const std::string& name, const std::string& bytes, int secondsAfterData) {
  temp.Write(name, bytes);
  const auto data = std::filesystem::last_write_time(temp.Path() / "Pendra.xml");
  std::filesystem::last_write_time(temp.Path() / name, data + std::chrono::seconds(secondsAfterData));
}

// The folder's entries by name (a kept file's without its time) with their contents.
std::map<std::string, std::string> Contents(const TempFolder& temp) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
    const std::string name = entry.path().filename();
    files[name.substr(0, name.find("~20"))] += entry.is_directory() ? "(folder)" : temp.Read(name);
  }
  return files;
}

}  // namespace

TEST(TemporaryFiles, ALeftoverIsSupersededByALaterDataFileOrWhenItIsEmpty) {
  const FileStamp data{true, 900, 5000};
  const struct {
    const char* name;
    FileStamp leftover;
    FileStamp dataFile;
    bool superseded;
  } cases[] = {
      {"older than the data file", {true, 900, 4000}, data, true},
      {"newer", {true, 900, 6000}, data, false},
      {"of the same time", {true, 900, 5000}, data, false},
      {"no data file", {true, 900, 4000}, {}, false},
      {"empty", {true, 0, 6000}, data, true},
  };
  for (const auto& c : cases) EXPECT_EQ(LeftoverIsSuperseded(c.leftover, c.dataFile), c.superseded) << c.name;
}

TEST(TemporaryFiles, AStartDeletesWhatTheListHoldsAndKeepsWhatItMayLack) {
  TempFolder temp;
  temp.Write("Pendra.xml", Golden());
  const std::string cut = Edited("cut").substr(0, 700);
  WriteAged(temp, "Pendra~tmp~backup~{1}", Edited("older"), -60);
  WriteAged(temp, "Pendra~tmp~backup~{2}", Edited("newer"), 60);
  WriteAged(temp, "Pendra~tmp~backup~{3}", cut, 60);
  WriteAged(temp, "Pendra~tmp~backup~{4}", "", 60);
  temp.Write("Pendra~tmp~backup~{5}/inside", "a folder is none of ours");
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();

  ShowReports(window, TidyLeftTemporaryFiles(window.state.DataFolder));

  const std::map<std::string, std::string> expected = {
      {"Pendra.xml", Golden()},
      {"Pendra~recovered", Edited("newer")},
      {"Pendra~unreadable", cut},
      {"Pendra~tmp~backup~{5}", "(folder)"},
  };
  EXPECT_EQ(Contents(temp), expected);
  std::vector<std::u16string> kept;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
    const std::string name = entry.path().filename();
    if (name.find("~20") != std::string::npos) kept.push_back(temp.Folder() + FromUtf8(name));
  }
  ASSERT_EQ(window.reports.size(), 1u);
  const std::u16string& report = window.reports[0];
  for (const std::u16string& file : kept) EXPECT_NE(report.find(u"\"" + file + u"\""), std::u16string::npos);
  EXPECT_EQ(report.rfind(u"Hinweis: ", 0), 0u);
}

TEST(TemporaryFiles, NothingKeptTellsNothing) {
  TempFolder temp;
  temp.Write("Pendra.xml", Golden());
  WriteAged(temp, "Pendra~tmp~backup~{1}", Edited("older"), -60);
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  ShowReports(window, TidyLeftTemporaryFiles(window.state.DataFolder));
  EXPECT_EQ(Contents(temp), (std::map<std::string, std::string>{{"Pendra.xml", Golden()}}));
  EXPECT_TRUE(window.reports.empty());
}

}  // namespace pendra
