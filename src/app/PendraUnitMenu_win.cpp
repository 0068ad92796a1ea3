// The popup menu: its table, its opening, and the commands that change the title row, the
// flags and the current column's alignment.
#include "app/PendraUnit_win.h"
#include "lang/MainWindowTexts.h"
#include "ui/GridGeometry.h"
#include "ui/PopupMenuRules.h"

namespace pendra {

namespace {

// The WM_COMMAND identifiers of the menu's items.
enum : UINT {
  kOpenFolderHere = 1001,
  kAbout = 1002,
  kExit = 1003,
  kNoSkin = 1004,
  kChangeTitle = 1005,
  kMakeTitleBoldDeaktiv = 1006,
  kMakeTitleBoldAktiv = 1007,
  kTitleFettDeaktiv = 1008,
  kTitleFettAktiv = 1009,
  kShowGridLinesDeaktiv = 1010,
  kShowGridLinesAktiv = 1011,
  kLeftAlign = 1012,
  kCenterAlign = 1013,
  kRightAlign = 1014,
  kAddRow = 1015,
  kDeleteRow = 1016,
  kAddColumn = 1017,
  kDeleteColumn = 1018,
  kThisColumn = 1019,
  kSkin = 1020,
  kListFolder = 1021,
  kSummonKey = 1022,
};

}  // namespace

PopupMenu TToDoForm::MakePopupMenu() {
  using Item = PopupMenuItem;
  const SheetFlags& flags = sheet_.Flags();
  auto bold = [this] { mnuMakeTitleBoldClick(); };
  auto lines = [this] { mnuShowGridLinesClick(); };
  auto sheetShown = [this] { return !waitingForDataFile_; };
  return PopupMenu({
      Item::Command(kChangeTitle, kMenuChangeTitle, [this] { mnuChangeTitleClick(); }).EnabledWhile(sheetShown),
      Item::Command(kMakeTitleBoldDeaktiv, kMenuTitleBold, bold).EnabledWhile(sheetShown).VisibleWhile([&flags] {
        return flags.MakeTitleBold.DeaktivVisible;
      }),
      Item::Command(kMakeTitleBoldAktiv, kMenuTitleBold, bold)
          .Picture(L"IMG_MENU_BOLD_B")
          .EnabledWhile(sheetShown)
          .VisibleWhile([&flags] { return flags.MakeTitleBold.AktivVisible; }),
      Item::Command(kTitleFettDeaktiv, kMenuTitleFett, bold).EnabledWhile(sheetShown).VisibleWhile([&flags] {
        return flags.TitleFett.DeaktivVisible;
      }),
      Item::Command(kTitleFettAktiv, kMenuTitleFett, bold)
          .Picture(L"IMG_MENU_BOLD_F")
          .EnabledWhile(sheetShown)
          .VisibleWhile([&flags] { return flags.TitleFett.AktivVisible; }),
      Item::Command(kShowGridLinesDeaktiv, kMenuGridLines, lines)
          .Picture(L"IMG_MENU_GRID")
          .EnabledWhile(sheetShown)
          .VisibleWhile([&flags] { return flags.ShowGridLines.DeaktivVisible; }),
      Item::Command(kShowGridLinesAktiv, kMenuGridLines, lines)
          .Picture(L"IMG_MENU_GRID_CHECKED")
          .EnabledWhile(sheetShown)
          .VisibleWhile([&flags] { return flags.ShowGridLines.AktivVisible; }),
      Item::Separator(),
      Item::Submenu(
          kThisColumn, kMenuThisColumn,
          {
              Item::Command(kLeftAlign, kMenuLeftAlign, [this] { SetCurrentColumnAlignment(ALIGNLEFT); })
                  .RadioCheckedWhile([this] { return menuState_.checkedAlignment == ALIGNLEFT; }),
              Item::Command(kCenterAlign, kMenuCenterAlign, [this] { SetCurrentColumnAlignment(ALIGNCENTER); })
                  .RadioCheckedWhile([this] { return menuState_.checkedAlignment == ALIGNCENTER; }),
              Item::Command(kRightAlign, kMenuRightAlign, [this] { SetCurrentColumnAlignment(ALIGNRIGHT); })
                  .RadioCheckedWhile([this] { return menuState_.checkedAlignment == ALIGNRIGHT; }),
          })
          .EnabledWhile([this] { return menuState_.thisColumn; }),
      Item::Separator(),
      Item::Command(kAddRow, kMenuAddRow, [this] { mnuAddRowClick(); })
          .Picture(L"IMG_MENU_ROW_PLUS")
          .EnabledWhile([this] { return menuState_.addRow; }),
      Item::Command(kDeleteRow, kMenuDeleteRow, [this] { mnuDeleteRowClick(); })
          .Picture(L"IMG_MENU_ROW_MINUS")
          .EnabledWhile([this] { return menuState_.deleteRow; }),
      Item::Separator(),
      Item::Command(kAddColumn, kMenuAddColumn, [this] { mnuAddColumnClick(); })
          .Picture(L"IMG_MENU_COLUMN_PLUS")
          .EnabledWhile([this] { return menuState_.addColumn; }),
      Item::Command(kDeleteColumn, kMenuDeleteColumn, [this] { mnuDeleteColumnClick(); })
          .Picture(L"IMG_MENU_COLUMN_MINUS")
          .EnabledWhile([this] { return menuState_.deleteColumn; }),
      Item::Separator(),
      Item::Submenu(
          kSkin, kMenuSkin,
          {Item::Separator(), Item::Command(kNoSkin, kMenuNoSkin, [this] { mnuNoSkinClick(); }).CheckedWhile([this] {
             return noSkinChecked_;
           })})
          .EnabledWhile(sheetShown)
          .FilledOnOpen([this] { return mnuSkinClick(); }),
      Item::Separator(),
      Item::Command(kOpenFolderHere, kMenuOpenFolderHere, [this] { mnuOpenFolderHereClick(); })
          .Picture(L"IMG_MENU_OPEN_FOLDER"),
      Item::Command(kAbout, kMenuAbout, [this] { mnuAboutClick(); }),
      Item::Separator(),
      Item::Command(kListFolder, kMenuListFolder, [this] { mnuListFolderClick(); }).EnabledWhile(sheetShown),
      Item::Command(kSummonKey, kMenuSummonKey, [this] { mnuSummonKeyClick(); }),
      Item::Command(kExit, kMenuExit, [this] { mnuExitClick(); }),
  });
}

void TToDoForm::OpenPopupMenuAtCursor() {
  POINT cursor{};
  GetCursorPos(&cursor);
  OpenPopupMenuAt(cursor);
}

// Shift+F10 and the context-menu key: the menu opens below the current cell, or at the grid's
// corner when no cell is current.
void TToDoForm::OpenPopupMenuAtCurrentCell() {
  Rect cell{};
  if (!CellRect(ToDoGrid.Model(), ToDoGrid.Model().CurrentCell(), cell)) cell = {0, 0, 0, 0};
  POINT at{cell.left, cell.bottom()};
  ClientToScreen(ToDoGrid.Handle(), &at);
  OpenPopupMenuAt(at);
}

// PopupMenuPopup: the menu is built anew at every opening with the state of that moment.
void TToDoForm::OpenPopupMenuAt(POINT at) {
  SetForegroundWindow(Handle());
  ProcessPendingMessages();
  // While the window waits for the data file, nothing changes the sheet.
  menuState_ = waitingForDataFile_ ? PopupMenuState{} : PopupMenuPopup(ToDoGrid.Model());
  popupMenu_.Track(Handle(), at);
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

// The title row becomes an ordinary, editable row until the current cell moves to a task row.
void TToDoForm::mnuChangeTitleClick() { ToDoGrid.Model().SetFixedRows(0); }

void TToDoForm::mnuMakeTitleBoldClick() { sheet_.SetTitleBold(!sheet_.Flags().TitleFett.AktivVisible); }

// The columns keep their widths; the next fitting takes the new line reserve into account.
void TToDoForm::mnuShowGridLinesClick() { sheet_.SetGridLines(!sheet_.Flags().ShowGridLines.AktivVisible); }

void TToDoForm::SetCurrentColumnAlignment(TCellAlignment alignment) {
  const GridModel& grid = ToDoGrid.Model();
  if (grid.HasCurrentCell()) sheet_.SetAlignment(grid.CurrentCell().col, alignment);
}

}  // namespace pendra
