#include "app/Arrival.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "GridFixtures.h"
#include "TempFolder.h"
#include "platform/FileSystem.h"
#include "platform/Utf.h"
#include "sheet/LoadSave.h"
#include "sheet/SyncCopies.h"

namespace pendra {
namespace {

// A sheet of three tasks as this run read it, and a version another PC wrote: a task inserted at
// the top and the last task's first cell changed.
class ArrivalTest : public ::testing::Test {
 protected:
  ArrivalTest() {
    for (int row = 1; row <= 3; ++row) grid.SetCell(0, row, u"task " + std::u16string(1, u'0' + row));
    state.Known.Add(grid.Snapshot());
    ViewedSheet other(3, 5);
    other.SetCell(0, 1, u"from the other PC");
    for (int row = 1; row <= 3; ++row) other.SetCell(0, row + 1, grid.Cell(0, row));
    other.SetCell(0, 4, u"task 3 changed");
    arrivedContent = other.Snapshot();
    edits.Begin();
  }

  FirstRunGrid grid{4};
  DataFileState state;
  EditSession edits{grid};
  Sheet::Content arrivedContent;
};

TEST_F(ArrivalTest, TheCurrentCellStaysOnItsTaskAndAnEditGoesOnWithItsText) {
  grid.SetCurrentCell({1, 2});
  edits.Input(grid);
  grid.BeginEditing();
  grid.SetCell(1, 2, u"typed");

  const SheetMerge merge =
      MergeInVersion(state.Known.BaseFor(arrivedContent), arrivedContent, grid, state, edits, grid);

  EXPECT_EQ(grid.Cell(0, 1), u"from the other PC");
  EXPECT_EQ(grid.Cell(0, 3), u"task 2");
  EXPECT_EQ(grid.Cell(1, 3), u"typed");
  EXPECT_EQ(grid.Cell(0, 4), u"task 3 changed");
  EXPECT_EQ(grid.CurrentCell(), (GridCell{1, 3}));
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.EditedCell(), (GridCell{1, 3}));
  EXPECT_EQ(merge.otherTextsLost, 0);
  EXPECT_EQ(state.Known.BaseFor(arrivedContent), arrivedContent);
}

TEST_F(ArrivalTest, OneUndoTakesTheWholeMergeBackAndTypingAfterItIsAStepOfItsOwn) {
  grid.SetCurrentCell({1, 1});
  edits.Input(grid);
  grid.BeginEditing();
  grid.SetCell(1, 1, u"a");
  MergeInVersion(state.Known.BaseFor(arrivedContent), arrivedContent, grid, state, edits, grid);
  grid.SetCell(1, 2, u"ab");  // the editor moved with its task to row 2
  grid.EndEditing();

  edits.Undo();
  EXPECT_EQ(grid.Cell(1, 2), u"a");
  EXPECT_EQ(grid.Cell(0, 1), u"from the other PC");
  edits.Undo();
  EXPECT_EQ(grid.Cell(0, 1), u"task 1");
  EXPECT_EQ(grid.Cell(1, 1), u"a");
  EXPECT_EQ(grid.RowCount(), 4);
}

TEST_F(ArrivalTest, AnEditedCellTheOtherVersionChangedKeepsTheEditorsTextAndCountsTheOtherAsLost) {
  grid.SetCurrentCell({0, 3});
  edits.Input(grid);
  grid.BeginEditing();  // opened, nothing typed yet

  const SheetMerge merge =
      MergeInVersion(state.Known.BaseFor(arrivedContent), arrivedContent, grid, state, edits, grid);

  EXPECT_EQ(grid.Cell(0, 4), u"task 3");
  EXPECT_EQ(grid.EditedCell(), (GridCell{0, 4}));
  EXPECT_EQ(merge.otherTextsLost, 1);
}

// Saves the list of the given tasks as another PC's Pendra would, under the given name in the
// folder.
void SaveAsAnotherPc(const TempFolder& folder, const std::string& name, const std::vector<std::u16string>& tasks) {
  Sheet sheet(1, static_cast<int>(tasks.size()) + 1);
  sheet.SetCell(0, 0, u"Aufgabe");
  for (size_t i = 0; i < tasks.size(); ++i) sheet.SetCell(0, static_cast<int>(i) + 1, tasks[i]);
  DataFileState other;
  other.DataFolder = folder.Folder("other");
  ASSERT_TRUE(XMLSpeichern(sheet, other, Rect{0, 0, 370, 211}).saved);
  std::filesystem::rename(folder.Path() / "other" / "Pendra.xml", folder.Path() / name);
}

// A list of one task, "shared", that this run saved and another PC had too.
class ArrivalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet.SetCell(0, 0, u"Aufgabe");
    sheet.SetCell(0, 1, u"shared");
    state.DataFolder = folder.Folder();
    ASSERT_TRUE(XMLSpeichern(sheet, state, Rect{0, 0, 370, 211}).saved);
    edits.Begin();
  }

  TempFolder folder;
  ViewedSheet sheet{1, 2};
  DataFileState state;
  EditSession edits{sheet};
};

TEST_F(ArrivalsTest, TheDataFileAndTheSyncClientsCopiesAreMergedAndTheCopiesMovedAway) {
  // This run added a task, the other PC another, and a sync client left a third PC's version as
  // a copy.
  sheet.SetRowCount(3);
  sheet.SetCell(0, 2, u"mine");
  const std::string dropbox = "Pendra (PC2's conflicted copy 2026-12-10).xml";
  SaveAsAnotherPc(folder, dropbox, {u"shared", u"from the copy"});
  SaveAsAnotherPc(folder, "Pendra.xml", {u"shared", u"from the data file"});

  const Arrivals arrivals = TakeInArrivals(sheet, state, edits, sheet);

  EXPECT_TRUE(arrivals.merged);
  EXPECT_TRUE(arrivals.save);
  EXPECT_FALSE(arrivals.waiting);
  std::vector<std::u16string> tasks;
  for (int row = 1; row < sheet.RowCount(); ++row) tasks.push_back(sheet.Cell(0, row));
  EXPECT_EQ(tasks, (std::vector<std::u16string>{u"shared", u"mine", u"from the data file", u"from the copy"}));
  EXPECT_TRUE(arrivals.keptConflict.empty());
  ASSERT_EQ(arrivals.movedCopies.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Pendra~merged" / dropbox));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / dropbox));
  EXPECT_FALSE(TakeInArrivals(sheet, state, edits, sheet).merged);  // nothing new

  // A file gone may be a sync client's delete before its create: it is waited for. A folder gone
  // brings nothing to wait for; the next save makes it again.
  std::filesystem::remove(folder.Path() / "Pendra.xml");
  EXPECT_TRUE(TakeInArrivals(sheet, state, edits, sheet).waiting);
  std::filesystem::remove_all(folder.Path());
  EXPECT_FALSE(TakeInArrivals(sheet, state, edits, sheet).waiting);
}

TEST_F(ArrivalsTest, AVersionThatBringsAllThisSheetHoldsIsNotWrittenBack) {
  SaveAsAnotherPc(folder, "Pendra.xml", {u"shared", u"from the other PC"});

  const Arrivals arrivals = TakeInArrivals(sheet, state, edits, sheet);

  EXPECT_TRUE(arrivals.merged);
  EXPECT_FALSE(arrivals.save);  // the data file holds the merged list already
  EXPECT_TRUE(arrivals.fileHoldsSheet);
  EXPECT_EQ(sheet.Cell(0, 2), u"from the other PC");
}

TEST_F(ArrivalsTest, ThisRunsSaveThatASyncClientKeptAsAConflictedCopyKeepsItsText) {
  // This run saved its edit while the other PC saved one of the same task; the sync client gave the
  // data file the other PC's version and kept this run's beside it.
  sheet.SetCell(0, 1, u"shared, mine");
  ASSERT_TRUE(XMLSpeichern(sheet, state, Rect{0, 0, 370, 211}).saved);
  std::filesystem::rename(folder.Path() / "Pendra.xml",
                          folder.Path() / "Pendra (PC1's conflicted copy 2026-12-11).xml");
  SaveAsAnotherPc(folder, "Pendra.xml", {u"shared, theirs"});

  const Arrivals arrivals = TakeInArrivals(sheet, state, edits, sheet);

  EXPECT_EQ(sheet.Cell(0, 1), u"shared, mine");
  EXPECT_FALSE(arrivals.keptConflict.empty());  // the other PC's text
  EXPECT_TRUE(arrivals.save);
}

// A PC whose list of one task, "shared", is in a folder of its own, which a sync client keeps in
// step with the other PC's.
struct SyncedPc {
  explicit SyncedPc(const std::string& name, TempFolder& folder) {
    sheet.SetCell(0, 0, u"Aufgabe");
    sheet.SetCell(0, 1, u"shared");
    state.DataFolder = folder.Folder(name);
    Save();
    edits.Begin();
  }
  std::u16string DataFile() const { return state.DataFolder + kDataFileName; }
  void Save() { EXPECT_TRUE(XMLSpeichern(sheet, state, Rect{0, 0, 370, 211}).saved); }
  std::vector<std::u16string> Tasks() const {
    std::vector<std::u16string> tasks;
    for (int row = 1; row < sheet.RowCount(); ++row) tasks.push_back(sheet.Cell(0, row));
    return tasks;
  }

  ViewedSheet sheet{1, 2};
  DataFileState state;
  EditSession edits{sheet};
};

TEST(Arrivals, TwoPcsThatChangedATaskAtOnceEndWithTheSameList) {
  // Both PCs change the task at once. The sync client copies a changed list to the other PC; when
  // both changed, both data files take the first PC's version and the second's goes beside them as
  // a conflicted copy. Each PC keeps its own text at first, saves it and so sends it back, until both
  // settle on one of the two.
  TempFolder folder;
  SyncedPc one("one", folder);
  SyncedPc two("two", folder);
  std::string seenByOne = ReadWholeFile(one.DataFile());
  std::string seenByTwo = ReadWholeFile(two.DataFile());
  one.sheet.SetCell(0, 1, u"shared, from one");
  two.sheet.SetCell(0, 1, u"shared, from PC two");
  one.Save();
  two.Save();

  int exchanges = 0;
  for (; exchanges < 20; ++exchanges) {
    const std::string fromOne = ReadWholeFile(one.DataFile());
    const std::string fromTwo = ReadWholeFile(two.DataFile());
    const bool oneChanged = fromOne != seenByOne;
    const bool twoChanged = fromTwo != seenByTwo;
    if (!oneChanged && !twoChanged) break;  // all quiet
    if (oneChanged && twoChanged) {
      for (SyncedPc* pc : {&one, &two}) {
        WriteWholeFile(pc->state.DataFolder + u"Pendra (two's conflicted copy 2026-12-11).xml", fromTwo);
      }
    }
    if (oneChanged) {
      WriteWholeFile(two.DataFile(), fromOne);
    } else {
      WriteWholeFile(one.DataFile(), fromTwo);
    }
    seenByOne = seenByTwo = oneChanged ? fromOne : fromTwo;
    for (SyncedPc* pc : {&one, &two}) {
      if (TakeInArrivals(pc->sheet, pc->state, pc->edits, pc->sheet).save) pc->Save();
    }
  }
  EXPECT_LT(exchanges, 20);
  EXPECT_EQ(two.Tasks(), one.Tasks());
  ASSERT_EQ(one.Tasks().size(), 1u);
  // The text that did not stay is in a file kept beside one of the lists.
  const std::string other = one.Tasks()[0] == u"shared, from one" ? "shared, from PC two" : "shared, from one";
  bool kept = false;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
    if (entry.path().filename().string().rfind("Pendra~conflict~", 0) != 0) continue;
    kept = kept || ReadWholeFile(FromUtf8(entry.path().string())).find(other) != std::string::npos;
  }
  EXPECT_TRUE(kept);
}

TEST(Arrivals, AVersionThatStaysUnreadableIsKeptAsItIsBeforeTheListIsSavedOverIt) {
  TempFolder folder;
  DataFileState state;
  state.DataFolder = folder.Folder();
  folder.Write("Pendra.xml", "<VeVuVizo><ToDoContent>");

  const SetAside setAside = SetAsideUnreadableVersion(state);

  EXPECT_TRUE(setAside.saveOver);
  EXPECT_EQ(folder.Read(ToUtf8(setAside.kept.substr(state.DataFolder.size()))), "<VeVuVizo><ToDoContent>");
  EXPECT_EQ(state.DataFileSeen, FileStampOf(state.DataFolder + u"Pendra.xml"));
  std::filesystem::remove(folder.Path() / "Pendra.xml");
  const SetAside gone = SetAsideUnreadableVersion(state);
  EXPECT_TRUE(gone.saveOver);
  EXPECT_TRUE(gone.kept.empty());
}

TEST(SyncCopies, KnowsTheNamesSyncClientsGiveCopiesOfTheList) {
  const struct {
    const char16_t* name;
    bool copy;
  } cases[] = {
      {u"Pendra-DESKTOP-4711.xml", true},
      {u"pendra-laptop.XML", true},
      {u"Pendra (Anna's conflicted copy 2026-12-10).xml", true},
      {u"Pendra.sync-conflict-20261210-101010-ABCDEFG.xml", true},
      {u"Pendra (conflicted copy 2026-12-10 101010).xml", true},
      {u"Pendra.xml", false},
      {u"Pendra~conflict~2026-12-10~101010.xml", false},
      {u"Pendra-.xml", false},
      {u"Pendra-my list.xml", false},
      {u"Pendra (2).xml", false},
      {u"Pendra-PC.xml.tmp", false},
      {u"Other-PC.xml", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSyncConflictCopy(c.name), c.copy) << ToUtf8(c.name);
}

}  // namespace
}  // namespace pendra
