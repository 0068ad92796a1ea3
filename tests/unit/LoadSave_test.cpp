#include "sheet/LoadSave.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "FakeSheetWindow.h"
#include "TempFolder.h"
#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Utf.h"
#include "sheet/KeepAside.h"
#include "sheet/SheetHistory.h"

namespace pendra {

namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(PENDRA_SOURCE_DIR) + "/tests/unit/fixtures/sheet/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The sheet of the golden file.
void FillGoldenSheet(FakeSheetWindow& window) {
  Sheet& sheet = window.sheet;
  sheet.SetRowCount(3);
  sheet.SetColWidth(1, 210);
  const char16_t* cells[3][3] = {
      {u"Prio", u"Aufgabe", u"Zeit"}, {u"Hoch", u"Steuer & Belege '23", u"10min"}, {u"", u"Müll rausbringen", u"20 €"}};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) sheet.SetCell(col, row, cells[row][col]);
  }
  const TCellAlignment alignments[] = {ALIGNCENTER, ALIGNLEFT, ALIGNCENTER};
  for (int col = 0; col < 3; ++col) sheet.SetAlignment(col, alignments[col]);
  sheet.SetTitleBold(true);
  sheet.SetGridLines(true);
  sheet.SetSkinName(u"No Skin");
  window.rect = {1510, 434, 370, 211};
}

// Writing beyond the limit fails with EFBIG while it lives (instead of ending the process).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*signal_)(int);
};

// A data file with the given sections between <VeVuVizo> and </VeVuVizo>.
std::string File(const std::string& sections) { return "<VeVuVizo>" + sections + "</VeVuVizo>"; }

const std::string kPosition =
    "<WindowPosition><Left>10</Left><Top>20</Top><Width>400</Width><Height>300</Height></WindowPosition>";
const std::string kInfo =
    "<ColumnInfo><RowCount>2</RowCount><ColumnCount>3</ColumnCount><HeaderTextBold>FALSE</HeaderTextBold>"
    "<DrawGridLines>TRUE</DrawGridLines></ColumnInfo>";
const std::string kHeader =
    "<ColumnHeader><Column><ColumnCaption>A</ColumnCaption><ColumnWidth>40</ColumnWidth><ColumnAlignment>RIGHT"
    "</ColumnAlignment></Column><Column><ColumnCaption>B</ColumnCaption><ColumnWidth>100</ColumnWidth>"
    "<ColumnAlignment>LEFT</ColumnAlignment></Column><Column><ColumnCaption>C</ColumnCaption><ColumnWidth>30"
    "</ColumnWidth><ColumnAlignment>CENTER</ColumnAlignment></Column></ColumnHeader>";
const std::string kContent =
    "<ToDoContent><Column><Text>a1</Text><Text>b1</Text><Text>c1</Text></Column>"
    "<Column><Text>a2</Text><Text/><Text>c2</Text></Column></ToDoContent>";

class LoadSaveTest : public ::testing::Test {
 protected:
  void Load(const std::string& bytes) {
    temp.Write("Pendra.xml", bytes);
    XMLLaden(window, temp.File("Pendra.xml"));
  }
  bool Save() {
    window.state.DataFolder = temp.Folder();
    return SaveDataFile(window);
  }
  std::vector<std::string> FilesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder temp;
  FakeSheetWindow window;
};

}  // namespace

TEST_F(LoadSaveTest, SavesTheGoldenFileByteForByte) {
  FillGoldenSheet(window);
  Save();
  EXPECT_EQ(temp.Read("Pendra.xml"), ReadFixture("golden.xml"));
  EXPECT_TRUE(window.reports.empty());
  EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"Pendra.xml"});  // no temporary file stays
}

// A save prepared on the window's thread is written while the sheet goes on changing: what it
// writes is the sheet as it was when prepared, byte for byte as a save at that moment writes it.
TEST_F(LoadSaveTest, ASavePreparedBeforeAChangeWritesTheSheetAsItWasThen) {
  const std::vector<std::pair<const char*, std::function<void(Sheet&)>>> changes = {
      {"a cell of a task", [](Sheet& sheet) { sheet.SetCell(1, 1, u"geändert"); }},
      {"a caption", [](Sheet& sheet) { sheet.SetCell(0, 0, u"Wichtig"); }},
      {"fewer columns", [](Sheet& sheet) { sheet.SetColCount(1); }},
      {"fewer rows", [](Sheet& sheet) { sheet.SetRowCount(2); }},
      {"a width, an alignment, the flags",
       [](Sheet& sheet) {
         sheet.SetColWidth(0, 99);
         sheet.SetAlignment(1, ALIGNRIGHT);
         sheet.SetTitleBold(false);
         sheet.SetGridLines(false);
       }},
      {"the skin and the window",
       [](Sheet& sheet) {
         sheet.SetSkinName(u"Wald");
         sheet.SetWindowRect({1, 2, 300, 200});
       }},
      {"an undone edit",
       [](Sheet& sheet) {
         SheetHistory history(sheet);
         sheet.SetCell(2, 2, u"30 €");
         history.Checkpoint();
         history.Undo();
         sheet.SetCell(2, 1, u"5min");
         history.Checkpoint();
       }},
      {"a merged version", [](Sheet& sheet) { sheet.Restore(Sheet().Snapshot()); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    std::filesystem::remove(temp.Path() / "Pendra.xml");
    FakeSheetWindow before;
    FillGoldenSheet(before);
    before.state.DataFolder = temp.Folder();
    SaveJob job = PrepareSave(before.sheet, before.state, before.rect);
    change(before.sheet);
    const SaveWritten written = WriteSave(job);
    EXPECT_TRUE(written.result.saved);
    EXPECT_EQ(temp.Read("Pendra.xml"), ReadFixture("golden.xml"));
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"Pendra.xml"});
  }
}

TEST_F(LoadSaveTest, LoadsTheGoldenFileWithEmptyCellsAsOneBlank) {
  Load(ReadFixture("golden.xml"));
  EXPECT_TRUE(window.reports.empty());
  EXPECT_EQ(window.sheet.RowCount(), 3);
  EXPECT_EQ(window.sheet.ColCount(), 3);
  EXPECT_EQ(window.Row(0), u"Prio|Aufgabe|Zeit");
  EXPECT_EQ(window.Row(1), u"Hoch|Steuer & Belege '23|10min");
  EXPECT_EQ(window.Row(2), u" |Müll rausbringen|20 €");
  EXPECT_EQ(window.sheet.ColWidths(), (std::vector<int>{50, 210, 45}));
  EXPECT_EQ(window.sheet.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNCENTER}));
  EXPECT_TRUE(window.sheet.HeaderTextBold());
  EXPECT_TRUE(window.sheet.DrawGridLines());
  EXPECT_EQ(window.sheet.LineWidth(), 1);
  EXPECT_EQ(window.sheet.SkinName(), u"No Skin");
  EXPECT_EQ(window.sheet.SkinPath(), u"");
  EXPECT_EQ(window.rect.left, 1510);
  EXPECT_EQ(window.rect.top, 434);
  EXPECT_EQ(window.rect.width, 370);
  EXPECT_EQ(window.rect.height, 211);
}

TEST_F(LoadSaveTest, ACollapsedWindowIsSavedWithItsExpandedRectangle) {
  window.state.ExpandState = ExpandStates::Collapsed;
  window.state.ExpandedClientWidth = 370;
  window.rect = {1850, 434, 30, 211};
  Save();
  std::string saved = temp.Read("Pendra.xml");
  EXPECT_NE(saved.find("<Left>1510</Left>"), std::string::npos);
  EXPECT_NE(saved.find("<Width>370</Width>"), std::string::npos);
}

TEST_F(LoadSaveTest, ReaderTolerancesAndSectionFallbacks) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<std::u16string> reports;
    std::function<void(FakeSheetWindow&)> check;
  };
  const Case cases[] = {
      {"any root name, sections in any order, names in any letter case",
       "<Sheet>" + kContent + kHeader + "<columninfo><rowcount>2</rowcount><COLUMNCOUNT>3</COLUMNCOUNT></columninfo>" +
           kPosition + "</Sheet>",
       {},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.Row(0), u"A|B|C");
         EXPECT_EQ(w.Row(2), u"a2| |c2");
         EXPECT_EQ(w.rect.left, 10);
       }},
      {"flags and alignments only in their exact upper-case forms",
       File(kPosition +
            "<ColumnInfo><RowCount>1</RowCount><ColumnCount>1</ColumnCount><HeaderTextBold>true</HeaderTextBold>"
            "<DrawGridLines>FALSE</DrawGridLines></ColumnInfo><ColumnHeader><Column><ColumnCaption>A</ColumnCaption>"
            "<ColumnWidth>40</ColumnWidth><ColumnAlignment>center</ColumnAlignment></Column></ColumnHeader>"
            "<ToDoContent/>"),
       {},
       [](FakeSheetWindow& w) {
         EXPECT_FALSE(w.sheet.HeaderTextBold());
         EXPECT_TRUE(w.sheet.Flags().TitleFett.DeaktivVisible);
         EXPECT_FALSE(w.sheet.DrawGridLines());
         EXPECT_EQ(w.sheet.LineWidth(), 0);
         EXPECT_EQ(w.sheet.Alignments(), std::vector<TCellAlignment>{ALIGNLEFT});
       }},
      {"a missing flag leaves it as it was",
       File(kPosition + "<ColumnInfo><RowCount>2</RowCount><ColumnCount>3</ColumnCount></ColumnInfo>" + kHeader +
            kContent),
       {},
       [](FakeSheetWindow& w) {
         EXPECT_FALSE(w.sheet.Flags().TitleFett.AktivVisible || w.sheet.Flags().TitleFett.DeaktivVisible);
         EXPECT_EQ(w.sheet.LineWidth(), 1);
       }},
      {"rows and columns counted as the file says; surplus texts dropped silently",
       File(kPosition + "<ColumnInfo><RowCount>1</RowCount><ColumnCount>2</ColumnCount></ColumnInfo>" +
            "<ToDoContent><Column><Text>a</Text><Text>b</Text><Text>c</Text><Text>d</Text></Column>"
            "<Column><Text>beyond</Text></Column></ToDoContent>" +
            "<ColumnHeader/>"),
       {},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 2);
         EXPECT_EQ(w.Row(1), u"a|b");
         EXPECT_EQ(w.sheet.Alignments().size(), 2u);
       }},
      {"more column descriptions than columns end the header section",
       File(kPosition + "<ColumnInfo><RowCount>2</RowCount><ColumnCount>2</ColumnCount></ColumnInfo>" + kHeader +
            kContent),
       {u"Load ColumnHeader"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.Row(0), u"A|B");
         EXPECT_EQ(w.Row(1), u"a1|b1");
         EXPECT_EQ(w.sheet.Alignments(), (std::vector<TCellAlignment>{ALIGNRIGHT, ALIGNLEFT}));
       }},
      {"row count 0 and a count that is no integer give the title row only",
       File(kPosition + "<ColumnInfo><RowCount>x</RowCount><ColumnCount>3</ColumnCount></ColumnInfo>" + kHeader +
            kContent),
       {},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 1);
         EXPECT_EQ(w.sheet.FixedRows(), 0);
         EXPECT_EQ(w.Row(0), u"A|B|C");
       }},
      {"a row count no sheet can hold takes the rows the file holds and keeps the rest",
       File(kPosition +
            "<ColumnInfo><RowCount>2000000000</RowCount><ColumnCount>3</ColumnCount>"
            "<HeaderTextBold>TRUE</HeaderTextBold><DrawGridLines>FALSE</DrawGridLines></ColumnInfo>" +
            kHeader + kContent),
       {u"Load ColumnInfo"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 3);
         EXPECT_EQ(w.sheet.ColCount(), 3);
         EXPECT_EQ(w.Row(2), u"a2| |c2");
         EXPECT_TRUE(w.sheet.HeaderTextBold());
         EXPECT_FALSE(w.sheet.DrawGridLines());
       }},
      {"more cells than a sheet may hold take the rows and columns the file holds",
       File(kPosition + "<ColumnInfo><RowCount>999999</RowCount><ColumnCount>10000</ColumnCount></ColumnInfo>" +
            kHeader + kContent),
       {u"Load ColumnInfo"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 3);
         EXPECT_EQ(w.sheet.ColCount(), 3);
         EXPECT_EQ(w.Row(0), u"A|B|C");
       }},
      {"a missing column count keeps the row count and the flags the file has",
       File(kPosition + "<ColumnInfo><RowCount>2</RowCount><HeaderTextBold>TRUE</HeaderTextBold></ColumnInfo>" +
            kHeader + kContent),
       {u"Load ColumnInfo"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 3);
         EXPECT_EQ(w.sheet.ColCount(), 3);
         EXPECT_TRUE(w.sheet.HeaderTextBold());
         EXPECT_TRUE(w.sheet.DrawGridLines());
       }},
      {"widths below 2 or not integers become 2",
       File(kPosition + kInfo +
            "<ColumnHeader><Column><ColumnWidth>0</ColumnWidth><ColumnCaption>A</ColumnCaption><ColumnAlignment/>"
            "</Column><Column><ColumnWidth>abc</ColumnWidth><ColumnCaption>B</ColumnCaption><ColumnAlignment/>"
            "</Column></ColumnHeader>" +
            kContent),
       {},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.ColWidths(), (std::vector<int>{2, 2, 45}));
       }},
      {"an empty file reports every missing section but the skin",
       "",
       {u"Load WindowPosition", u"Load ColumnInfo", u"Load ColumnHeader", u"Load ToDoContent"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.sheet.RowCount(), 6);
         EXPECT_EQ(w.sheet.ColCount(), 3);
         EXPECT_EQ(w.rect.left, 775);
         EXPECT_EQ(w.leftAtReport.front(), 775);  // centred before the report shows
         EXPECT_EQ(w.rect.top, 434);
         EXPECT_TRUE(w.sheet.DrawGridLines());
         EXPECT_TRUE(w.sheet.Flags().TitleFett.DeaktivVisible);
       }},
      {"a file that is not well-formed applies nothing",
       "<VeVuVizo><WindowPosition><Left>1</Top></WindowPosition></VeVuVizo>",
       {u"XMLloadToDoList"},
       [](FakeSheetWindow& w) {
         EXPECT_EQ(w.rect.left, 100);
         EXPECT_EQ(w.sheet.RowCount(), 6);
         EXPECT_FALSE(w.sheet.DrawGridLines());
         EXPECT_EQ(w.sheet.LineWidth(), 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSheetWindow fresh;
    TempFolder folder;
    folder.Write("Pendra.xml", c.file);
    XMLLaden(fresh, folder.File("Pendra.xml"));
    EXPECT_EQ(fresh.reports, c.reports);
    c.check(fresh);
  }
}

TEST_F(LoadSaveTest, WindowPositionIsCheckedAgainstTheDesktop) {
  struct Case {
    int left, top, width, height;
    int expectedLeft, expectedTop, expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {5000, 100, 370, 211, 775, 100, 370, 211},  // beyond the right edge: centred
      {-400, 100, 370, 211, 775, 100, 370, 211},  // not greater than 0 - 370: centred
      {-300, 100, 370, 211, -300, 100, 370, 211},
      {1909, 1069, 370, 211, 1909, 1069, 370, 211},
      {1910, 1070, 370, 211, 775, 434, 370, 211},
      {10, 10, 20, 49, 10, 10, 370, 211},  // below the collapsed width and 50 pixels
      {10, 10, 30, 50, 10, 10, 30, 50},
  };
  for (const Case& c : cases) {
    FakeSheetWindow fresh;
    TempFolder folder;
    folder.Write("Pendra.xml", File("<WindowPosition><Left>" + std::to_string(c.left) + "</Left><Top>" +
                                    std::to_string(c.top) + "</Top><Width>" + std::to_string(c.width) +
                                    "</Width><Height>" + std::to_string(c.height) + "</Height></WindowPosition>"));
    XMLLaden(fresh, folder.File("Pendra.xml"));
    EXPECT_EQ(fresh.rect.left, c.expectedLeft) << c.left;
    EXPECT_EQ(fresh.rect.top, c.expectedTop) << c.top;
    EXPECT_EQ(fresh.rect.width, c.expectedWidth) << c.width;
    EXPECT_EQ(fresh.rect.height, c.expectedHeight) << c.height;
  }
}

TEST_F(LoadSaveTest, SavedSkinIsRestoredOnlyWhenItsFolderExists) {
  temp.Folder("skins/Lime");
  std::string skins = ToUtf8(temp.Folder("skins"));
  Load(File("<Skin><SkinName>Lime</SkinName><SkinPath>" + skins + "</SkinPath></Skin>"));
  EXPECT_EQ(window.sheet.SkinName(), u"Lime");
  EXPECT_EQ(window.skinLoads, 1);

  FakeSheetWindow gone;
  temp.Write("Gone.xml", File("<Skin><SkinName>Vista</SkinName><SkinPath>" + skins + "</SkinPath></Skin>"));
  XMLLaden(gone, temp.File("Gone.xml"));
  EXPECT_EQ(gone.sheet.SkinName(), u"No Skin");
  EXPECT_EQ(gone.sheet.SkinPath(), u"");
  EXPECT_EQ(gone.skinLoads, 0);
}

TEST_F(LoadSaveTest, ASavedSkinPathThatNamesAShareIsNotFollowed) {
  temp.Folder("skins/Lime");
  // Natively "//x" is the folder "/x"; on Windows it names a share of the computer x.
  const std::string share = "/" + ToUtf8(temp.Folder("skins"));
  Load(File("<Skin><SkinName>Lime</SkinName><SkinPath>" + share + "</SkinPath></Skin>"));
  EXPECT_EQ(window.sheet.SkinName(), u"No Skin");
  EXPECT_EQ(window.sheet.SkinPath(), u"");
  EXPECT_EQ(window.skinLoads, 0);
}

TEST_F(LoadSaveTest, ATreeThatCouldNotBeBuiltWholeNeverReplacesTheDataFile) {
  temp.Write("Pendra.xml", "the list of yesterday");
  window.rectangleFails = true;
  EXPECT_FALSE(Save());
  EXPECT_EQ(window.reports, std::vector<std::u16string>{u"XMLsaveToDoList-create XML Node"});
  EXPECT_EQ(temp.Read("Pendra.xml"), "the list of yesterday");
  EXPECT_EQ(FilesInFolder().size(), 2u);  // the data file and the temporary file
}

TEST_F(LoadSaveTest, AReadOnlyDataFileIsSavedAndNoLongerReadOnly) {
  temp.Write("Pendra.xml", "old");
  SetReadOnly(temp.File("Pendra.xml"));
  Save();
  EXPECT_TRUE(window.reports.empty());
  EXPECT_NE(temp.Read("Pendra.xml"), "old");
  EXPECT_FALSE(IsReadOnly(temp.File("Pendra.xml")));
}

TEST_F(LoadSaveTest, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
  temp.Write("file", "");
  window.state.DataFolder = temp.Folder() + u"file/gone/";  // no folder can be made below a file
  SaveDataFile(window);
  ASSERT_EQ(window.reports.size(), 1u);
  EXPECT_EQ(window.reports[0], u"Fehler beim Speichern: Problem beim temporären Speichern in diesen Pfad: \r\n\"" +
                                   window.state.DataFolder +
                                   u"\"\r\nSpeichern nicht möglich! Bitte prüfen Sie, ob das Laufwerk noch vorhanden "
                                   u"ist!\r\nFehler: \"EFCreateError\"");
  EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"file"});
}

TEST_F(LoadSaveTest, ADataFolderDeletedWhileTheProgramRunsIsMadeAgainAndTheSheetSaved) {
  FillGoldenSheet(window);
  window.state.DataFolder = temp.Folder("Pendra");
  std::filesystem::remove_all(temp.Path() / "Pendra");
  EXPECT_TRUE(SaveDataFile(window));
  EXPECT_TRUE(window.reports.empty());
  EXPECT_EQ(temp.Read("Pendra/Pendra.xml"), ReadFixture("golden.xml"));
}

TEST_F(LoadSaveTest, ARunKeepsOneTemporaryFileWhileSavesFailAndNoneOnceOneSucceeds) {
  std::filesystem::create_directories(temp.Path() / "Pendra.xml");  // cannot be replaced by a file
  for (const char16_t* edit : {u"first", u"second", u"last"}) {
    window.sheet.SetCell(1, 1, edit);
    EXPECT_FALSE(Save());
  }
  std::vector<std::string> files = FilesInFolder();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_NE(temp.Read(files[1]).find("<Text>last</Text>"), std::string::npos);

  std::filesystem::remove(temp.Path() / "Pendra.xml");
  EXPECT_TRUE(Save());
  EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"Pendra.xml"});
}

// A full disk: the temporary file is created, and writing it fails part of the way.
TEST_F(LoadSaveTest, ATemporaryFileCutShortByAFullDiskIsNotLeftBehind) {
  FillGoldenSheet(window);
  temp.Write("Pendra.xml", "the list of yesterday");
  {
    FileSizeLimit full(100);
    EXPECT_FALSE(Save());
  }
  EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"Pendra.xml"});
  EXPECT_EQ(temp.Read("Pendra.xml"), "the list of yesterday");
}

TEST_F(LoadSaveTest, AFailedReplacementKeepsTheOldFileAndTheNewContentsInTheTemporaryFile) {
  std::filesystem::create_directories(temp.Path() / "Pendra.xml");  // cannot be replaced by a file
  FillGoldenSheet(window);
  Save();
  ASSERT_EQ(window.reports.size(), 1u);
  EXPECT_EQ(window.reports[0], u"Fehler beim Speichern: Problem beim Speichern dieser Datei aufgetreten: \r\n\"" +
                                   temp.Folder() + u"Pendra.xml\"\r\nSpeichern nicht möglich! Fehler: \"EInOutError\"");
  std::vector<std::string> files = FilesInFolder();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[1].rfind("Pendra~tmp~backup~{", 0), 0u);
  EXPECT_EQ(files[1].size(), 18u + 38u);
  EXPECT_EQ(temp.Read(files[1]), ReadFixture("golden.xml"));
}

TEST_F(LoadSaveTest, ALinkedDataFileKeepsBeingALinkToTheNewContents) {
  temp.Write("elsewhere/Real.xml", "old");
  std::filesystem::create_symlink(temp.Path() / "elsewhere/Real.xml", temp.Path() / "Pendra.xml");
  Save();
  EXPECT_TRUE(window.reports.empty());
  EXPECT_TRUE(std::filesystem::is_symlink(temp.Path() / "Pendra.xml"));
  EXPECT_NE(temp.Read("elsewhere/Real.xml"), "old");
}

TEST(EinenPfadAbziehenMitDelimeter, GivesTheParentFolder) {
  FakeSheetWindow window;
  Reports reports;
  EXPECT_EQ(EinenPfadAbziehenMitDelimeter(reports, u"C:\\Tools\\Pendra\\"), u"C:\\Tools\\");
  EXPECT_EQ(EinenPfadAbziehenMitDelimeter(reports, u"C:\\Pendra\\"), u"C:\\");
  EXPECT_EQ(EinenPfadAbziehenMitDelimeter(reports, u"C:\\"), u"C:");
  ShowReports(window, reports);
  EXPECT_TRUE(window.reports.empty());
}

}  // namespace pendra

namespace pendra {
namespace {

TEST(KeepAside, NamesTellWhyAndWhen) {
  const LocalTime time{2026, 3, 7, 9, 5, 4};
  EXPECT_EQ(KeptFileName(u"unreadable", time, 1), u"Pendra~unreadable~2026-03-07~090504.xml");
  EXPECT_EQ(KeptFileName(u"conflict", time, 2), u"Pendra~conflict~2026-03-07~090504~2.xml");
}

TEST(KeepAside, ASecondKeepInTheSameSecondGetsASuffix) {
  TempFolder temp;
  temp.Write("Pendra.xml", "<broken");
  const LocalTime time{2026, 12, 10, 14, 20, 0};
  const std::u16string first = KeepFileAside(temp.Folder(), u"Pendra.xml", u"unreadable", time);
  const std::u16string second = KeepFileAside(temp.Folder(), u"Pendra.xml", u"unreadable", time);
  EXPECT_EQ(first, temp.Folder() + u"Pendra~unreadable~2026-12-10~142000.xml");
  EXPECT_EQ(second, temp.Folder() + u"Pendra~unreadable~2026-12-10~142000~2.xml");
  EXPECT_EQ(temp.Read("Pendra~unreadable~2026-12-10~142000~2.xml"), "<broken");
}

// What a load with or without a report leaves in the data folder, and what the next save does.
TEST(KeepAside, OnlyALoadWithAReportKeepsTheFileAsItWasFound) {
  struct Case {
    const char* name;
    std::string file;
    bool kept;
  };
  const Case cases[] = {
      {"a clean file", File(kPosition + kInfo + kHeader + kContent), false},
      {"a section missing", File(kPosition + kInfo + kHeader), true},
      {"not well-formed", "<VeVuVizo><WindowPosition>", true},
      {"random bytes", std::string("\x00\xff\xfe<\x01\x80 damaged", 17), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    temp.Write("Pendra.xml", c.file);
    FakeSheetWindow window;
    window.state.DataFolder = temp.Folder();
    if (!XMLLaden(window, temp.File("Pendra.xml"))) KeepUnreadableDataFile(window);
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
      if (entry.path().filename().string().rfind("Pendra~unreadable~", 0) == 0) kept.push_back(entry.path().filename());
    }
    ASSERT_EQ(kept.size(), c.kept ? 1u : 0u);
    if (!c.kept) continue;
    EXPECT_EQ(temp.Read(kept[0]), c.file);
    EXPECT_EQ(window.reports.back(), u"Hinweis: " + KeptUnreadableText(temp.Folder() + FromUtf8(kept[0])));
    EXPECT_TRUE(SaveDataFile(window));  // the next save replaces the data file as usual
    EXPECT_EQ(temp.Read(kept[0]), c.file);
  }
}

// An editor that saved the list in the ANSI code page left the declaration saying UTF-8.
TEST(KeepAside, ALoadThatReplacedCharactersKeepsTheFileAsItWasFoundAndSaysWhy) {
  TempFolder temp;
  const std::string ansi =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>" +
      File(kPosition + kInfo + kHeader + "<ToDoContent><Column><Text>M\xFCll</Text></Column></ToDoContent>");
  temp.Write("Pendra.xml", ansi);
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  EXPECT_FALSE(XMLLaden(window, temp.File("Pendra.xml")));
  EXPECT_TRUE(window.reports.empty());  // every section loaded
  EXPECT_EQ(window.sheet.Cell(0, 1), u"M\xFFFDll");
  KeepUnreadableDataFile(window);
  std::vector<std::string> kept;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
    if (entry.path().filename().string().rfind("Pendra~unreadable~", 0) == 0) kept.push_back(entry.path().filename());
  }
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(temp.Read(kept[0]), ansi);
  EXPECT_EQ(window.reports,
            std::vector<std::u16string>{u"Hinweis: " + KeptLostCharactersText(temp.Folder() + FromUtf8(kept[0]))});
}

TEST(KeepAside, AFileTooLargeForASheetIsRefusedUnreadAndKept) {
  TempFolder temp;
  const std::string huge(kMaxDataFileBytes + 1, ' ');
  temp.Write("Pendra.xml", huge);
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  EXPECT_FALSE(XMLLaden(window, temp.File("Pendra.xml")));
  EXPECT_EQ(window.reports, std::vector<std::u16string>{u"XMLloadToDoList"});
  KeepUnreadableDataFile(window);
  EXPECT_FALSE(window.state.ProtectDataFile);
  EXPECT_EQ(window.sheet.RowCount(), 6);  // the sheet as before
}

TEST(KeepAside, AFileThatCannotBeKeptIsNeverReplaced) {
  TempFolder temp;
  std::filesystem::create_directories(temp.Path() / "Pendra.xml");  // cannot be read, nor copied
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  EXPECT_FALSE(XMLLaden(window, temp.File("Pendra.xml")));
  KeepUnreadableDataFile(window);
  EXPECT_TRUE(window.state.ProtectDataFile);
  EXPECT_EQ(window.reports.back().rfind(u"Fehler beim Speichern: ", 0), 0u);
  window.reports.clear();
  EXPECT_FALSE(SaveDataFile(window));
  EXPECT_TRUE(window.reports.empty());
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "Pendra.xml"));
  size_t temporaries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
    temporaries += entry.path().filename().string().rfind("Pendra~tmp~backup~", 0) == 0;
  }
  EXPECT_EQ(temporaries, 1u);  // the sheet is in the temporary file
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

std::vector<std::string> KeptConflicts(const TempFolder& temp) {
  std::vector<std::string> kept;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
    const std::string name = entry.path().filename();
    if (name.rfind("Pendra~conflict~", 0) == 0) kept.push_back(name);
  }
  return kept;
}

TEST(Conflict, AVersionAnotherProgramWroteIsKeptBeforeTheSaveReplacesIt) {
  TempFolder temp;
  temp.Write("Pendra.xml", File(kPosition + kInfo + kHeader + kContent));
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  ASSERT_TRUE(XMLLaden(window, temp.File("Pendra.xml")));

  ASSERT_TRUE(SaveDataFile(window));  // the file is as this run read it
  EXPECT_TRUE(KeptConflicts(temp).empty());
  ASSERT_TRUE(SaveDataFile(window));  // and as this run wrote it
  EXPECT_TRUE(KeptConflicts(temp).empty());

  temp.Write("Pendra.xml", "written by a synchronisation program");
  ASSERT_TRUE(SaveDataFile(window));
  const std::vector<std::string> kept = KeptConflicts(temp);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(temp.Read(kept[0]), "written by a synchronisation program");
  EXPECT_TRUE(window.reports.empty());

  // The same size, written later, is another version too.
  const std::string mine = temp.Read("Pendra.xml");
  std::filesystem::last_write_time(
      temp.Path() / "Pendra.xml",
      std::filesystem::last_write_time(temp.Path() / "Pendra.xml") + std::chrono::seconds(5));
  ASSERT_TRUE(SaveDataFile(window));
  EXPECT_EQ(KeptConflicts(temp).size(), 2u);
  EXPECT_EQ(temp.Read("Pendra.xml"), mine);
}

SaveOutcome SaveGivingWay(FakeSheetWindow& window) {
  SaveJob job = PrepareBackgroundSave(window);
  return RecordBackgroundSave(window, job, WriteSave(job), true);
}

// A save in the background leaves another program's version in place for the merge that comes
// before the next try; a file as this run wrote it is replaced as always.
TEST(Conflict, ABackgroundSaveGivesWayToAVersionAnotherProgramWrote) {
  TempFolder temp;
  temp.Write("Pendra.xml", File(kPosition + kInfo + kHeader + kContent));
  FakeSheetWindow window;
  window.state.DataFolder = temp.Folder();
  ASSERT_TRUE(XMLLaden(window, temp.File("Pendra.xml")));

  temp.Write("Pendra.xml", "written by a synchronisation program");
  EXPECT_EQ(SaveGivingWay(window), SaveOutcome::GaveWay);
  EXPECT_EQ(temp.Read("Pendra.xml"), "written by a synchronisation program");
  EXPECT_TRUE(KeptConflicts(temp).empty());
  EXPECT_TRUE(window.reports.empty());

  // The merge took that version in.
  window.state.DataFileSeen = FileStampOf(temp.File("Pendra.xml"));
  EXPECT_EQ(SaveGivingWay(window), SaveOutcome::Saved);
  EXPECT_NE(temp.Read("Pendra.xml"), "written by a synchronisation program");
  EXPECT_TRUE(KeptConflicts(temp).empty());
}

}  // namespace
}  // namespace pendra
