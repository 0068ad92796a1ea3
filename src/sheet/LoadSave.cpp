#include "sheet/LoadSave.h"

#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/Paths.h"
#include "sheet/DataFile.h"
#include "sheet/ToDoSheet.h"
#include "sheet/WindowPlacement.h"

namespace pendra {

namespace {

constexpr int kDesignWidth = 370;
constexpr int kDesignHeight = 211;
constexpr int kMinimumLoadedHeight = 50;

// Runs one section of a load or save; a failure is reported under the section's name and
// the rest goes on. Returns whether the section got through.
template <typename Body>
bool Section(SheetWindow& window, const char16_t* name, Body body) {
  try {
    body();
    return true;
  } catch (...) {
    window.ShowExceptionMessageBox(name);
    return false;
  }
}

void Centre(SheetWindow& window) {
  WindowRectangle current = window.Rectangle();
  window.SetLeft(CentredCoordinate(window.PrimaryScreenWidth(), current.ClientWidth));
  window.SetTop(CentredCoordinate(window.PrimaryScreenHeight(), current.ClientHeight));
}

// A stored edge is used when the window then still reaches onto the desktop.
int EdgeOrCentre(int stored, int desktopStart, int desktopEnd, int windowExtent, int screenExtent) {
  if (desktopStart - windowExtent < stored && stored < desktopEnd - 10) return stored;
  return CentredCoordinate(screenExtent, windowExtent);
}

void LoadWindowPosition(SheetWindow& window, XmlElem& root) {
  XmlElem& position = RequiredChild(root, u"WindowPosition");
  int left = IntField(position, u"Left");
  int top = IntField(position, u"Top");
  int width = IntField(position, u"Width");
  int height = IntField(position, u"Height");
  WindowRectangle current = window.Rectangle();
  ScreenRectangle desktop = window.VirtualDesktop();
  window.SetLeft(EdgeOrCentre(left, desktop.Left, desktop.Right, current.ClientWidth, window.PrimaryScreenWidth()));
  window.SetTop(EdgeOrCentre(top, desktop.Top, desktop.Bottom, current.ClientHeight, window.PrimaryScreenHeight()));
  window.SetClientWidth(width >= window.State().CollapsedWidth ? width : kDesignWidth);
  window.SetClientHeight(height >= kMinimumLoadedHeight ? height : kDesignHeight);
}

void SetGridLines(SheetWindow& window, bool on) {
  window.State().Flags.ShowGridLines.Show(on);
  window.Grid().SetLineWidth(on ? 1 : 0);
}

int CheckedCount(int count, int maximum) {
  if (count > maximum) throw EDataFileError(u"The sheet's counts are out of range.");
  return count;
}

void LoadColumnInfo(SheetWindow& window, XmlElem& root) {
  int rows = 0;
  int columns = 0;
  PendraUnitState& state = window.State();
  bool loaded = Section(window, u"Load ColumnInfo", [&] {
    XmlElem& info = RequiredChild(root, u"ColumnInfo");
    rows = CheckedCount(IntField(info, u"RowCount"), kMaximumRowCount - 1);
    window.Grid().SetRowCount(rows + 1);
    columns = CheckedCount(IntField(info, u"ColumnCount"), kMaximumColumnCount);
    SetColumnCount(window.Grid(), state.ColumnAlignments, columns);
    if (XmlElem* bold = info.Items().ItemNamed(u"HeaderTextBold")) {
      state.Flags.TitleFett.Show(FlagFromText(bold->Value()));
    }
    if (XmlElem* lines = info.Items().ItemNamed(u"DrawGridLines")) SetGridLines(window, FlagFromText(lines->Value()));
    window.RepaintGrid();
  });
  if (loaded) return;
  if (rows == 0) rows = 5;
  window.Grid().SetRowCount(rows + 1);
  if (columns == 0) columns = 3;
  SetColumnCount(window.Grid(), state.ColumnAlignments, columns);
  state.Flags.TitleFett.Show(false);
  SetGridLines(window, true);
  window.RepaintGrid();
}

// "No Skin" or a skin whose folder is gone leaves the built-in look.
void RestoreSavedSkin(SheetWindow& window, XmlElem& skin) {
  PendraUnitState& state = window.State();
  if (XmlElem* name = skin.Items().ItemNamed(u"SkinName")) {
    if (name->Value() == u"No Skin") {
      state.SkinName = u"No Skin";
      state.SkinPath.clear();
    } else {
      state.SkinName = std::u16string(name->Value());
    }
  }
  if (XmlElem* path = skin.Items().ItemNamed(u"SkinPath")) {
    std::u16string savedPath(path->Value());
    if (DirectoryExists(savedPath + state.SkinName)) {
      state.SkinPath = savedPath;
      window.loadSkin();
    } else {
      state.SkinName = u"No Skin";
      state.SkinPath.clear();
    }
  }
}

void LoadColumnHeader(SheetWindow& window, XmlElem& root) {
  XmlElem& header = RequiredChild(root, u"ColumnHeader");
  GridModel& grid = window.Grid();
  std::vector<TCellAlignment>& alignments = window.State().ColumnAlignments;
  int i = 0;
  for (XmlElem* column : header.Items()) {
    grid.SetColWidth(i, IntField(*column, u"ColumnWidth"));
    if (grid.ColWidth(i) < 2) grid.SetColWidth(i, 2);
    AppendToRow(grid, 0, std::u16string(RequiredChild(*column, u"ColumnCaption").Value()));
    alignments.at(static_cast<size_t>(i)) = AlignmentFromText(RequiredChild(*column, u"ColumnAlignment").Value());
    ++i;
  }
}

void LoadToDoContent(SheetWindow& window, XmlElem& root) {
  XmlElem& content = RequiredChild(root, u"ToDoContent");
  int row = 1;
  for (XmlElem* task : content.Items()) {
    for (XmlElem* text : task->Items()) AppendToRow(window.Grid(), row, std::u16string(text->Value()));
    ++row;
  }
}

void ReportSaveProblem(SheetWindow& window, const std::u16string& text) {
  window.ShowErrorMessageBox(text, u"Fehler beim Speichern");
}

}  // namespace

void XMLLaden(SheetWindow& window, XmlDocument& doc, const std::u16string& pathAndFile) {
  bool read = Section(window, u"XMLloadToDoList", [&] {
    doc.Root()->SetName(kRootName);
    doc.LoadFromFile(pathAndFile, Encoding::Auto);
  });
  if (!read) return;
  XmlElem& root = *doc.Root();

  try {
    LoadWindowPosition(window, root);
  } catch (...) {
    // The window is in its default place before the report appears.
    Centre(window);
    window.SetClientWidth(kDesignWidth);
    window.SetClientHeight(kDesignHeight);
    window.ShowExceptionMessageBox(u"Load WindowPosition");
  }
  LoadColumnInfo(window, root);
  Section(window, u"Load Skin", [&] {
    if (XmlElem* skin = root.Items().ItemNamed(u"Skin")) RestoreSavedSkin(window, *skin);
  });
  Section(window, u"Load ColumnHeader", [&] { LoadColumnHeader(window, root); });
  Section(window, u"Load ToDoContent", [&] { LoadToDoContent(window, root); });
  window.RepaintGrid();
}

void XMLSpeichern(SheetWindow& window, XmlDocument& doc) {
  Section(window, u"XMLsaveToDoList-create XML Node", [&] {
    doc.LoadFromString(u"");
    WindowRectangle saved = SavedRectangle(window.Rectangle(), window.State());
    BuildDataFileTree(*doc.Root(), window.Grid(), window.State(), saved);
  });

  const std::u16string& folder = window.State().DataFolder;
  std::u16string dataFile = folder + kDataFileName;
  try {
    ClearReadOnly(dataFile);
  } catch (const std::exception& failure) {
    ReportSaveProblem(window, u"Kann Schreibschutz dieser Datei nicht entfernen: \r\n\"" + dataFile +
                                  u"\"\r\nSpeichern nicht möglich! Fehler: \"" + FailureMessage(failure) + u" (" +
                                  FailureTypeName(failure) + u")\"");
    return;
  }

  std::u16string temporary = folder + kTemporaryFilePrefix + NewGuidText();
  try {
    WriteWholeFileDurably(temporary, doc.SaveToBytes());
  } catch (const std::exception& failure) {
    ReportSaveProblem(window, u"Problem beim temporären Speichern in diesen Pfad: \r\n\"" + folder +
                                  u"\"\r\nSpeichern nicht möglich! Bitte prüfen Sie, ob das Laufwerk noch "
                                  u"vorhanden ist!\r\nFehler: \"" +
                                  FailureTypeName(failure) + u"\"");
    return;
  }

  try {
    ReplaceFileAtomically(temporary, dataFile);
  } catch (const std::exception& failure) {
    ReportSaveProblem(window, u"Problem beim Speichern dieser Datei aufgetreten: \r\n\"" + dataFile +
                                  u"\"\r\nSpeichern nicht möglich! Fehler: \"" + FailureTypeName(failure) + u"\"");
  }
}

std::u16string EinenPfadAbziehenMitDelimeter(SheetWindow& window, const std::u16string& path) {
  try {
    return ExtractFilePath(ExcludeTrailingPathDelimiter(ExtractFilePath(path)));
  } catch (...) {
    window.ShowExceptionMessageBox(u"EinenPfadAbziehenMitDelimeter");
    return {};
  }
}

}  // namespace pendra
