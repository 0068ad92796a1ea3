#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "TestHost.h"
#include "platform/Unique_win.h"
#include "ui/GridControl_win.h"
#include "ui/GridNavigation.h"

namespace pendra {
namespace {

// Records the grid's notifications in order.
class RecordingEvents : public GridEvents {
 public:
  std::vector<std::string> log;
  bool allowSelect = true;
  bool drawCells = true;
  bool handleWheel = false;
  int drawnCells = 0;
  int lowestDrawnRow = INT_MAX;
  GridDrawState watchedState;  // of cell (1, 2)
  GridControl* grid = nullptr;
  // Like the main window: Escape while editing clears the selection.
  bool escapeClearsSelection = false;

  bool SelectCell(int col, int row) override {
    Log("SelectCell " + std::to_string(col) + "," + std::to_string(row));
    return allowSelect;
  }
  void Click() override { Log("Click"); }
  void DblClick() override { Log("DblClick"); }
  void MouseDown(GridMouseButton button, int, int) override { Log("MouseDown " + Name(button)); }
  void MouseUp(GridMouseButton button, int, int) override { Log("MouseUp " + Name(button)); }
  void KeyDown(int key, bool ctrl) override {
    Log("KeyDown " + std::to_string(key) + (ctrl ? " ctrl" : ""));
    if (escapeClearsSelection && key == VK_ESCAPE && grid->IsEditing()) grid->Model().ClearSelection();
  }
  bool Wheel(int delta) override {
    Log("Wheel " + std::to_string(delta));
    return handleWheel;
  }
  // Counts the cells drawn; the grid draws them itself unless drawCells is off, and then they
  // get the background the grid prepared and nothing more.
  bool DrawCell(HDC dc, int col, int row, const RECT& rect, GridDrawState state) override {
    ++drawnCells;
    if (row > 0) lowestDrawnRow = std::min(lowestDrawnRow, row);
    if (col == 1 && row == 2) watchedState = state;
    if (drawCells) return false;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    return true;
  }
  void ShowExceptionMessageBox(const std::u16string& methode) override {
    Log("ShowExceptionMessageBox " + std::string(methode.begin(), methode.end()));
  }

 private:
  static std::string Name(GridMouseButton button) {
    return button == GridMouseButton::Left ? "left" : button == GridMouseButton::Right ? "right" : "middle";
  }
  void Log(std::string entry) { log.push_back(std::move(entry)); }
};

// The first-run sheet in the first-run grid: 3 columns fitted to 50, 210, 45, 6 rows.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Reset(CreateTestHost(L"PendraGridTestHost", L"Grid test"));
    ASSERT_TRUE(host);
    other.Reset(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 400, 300, 50, 20, host.Get(),
                                nullptr, GetModuleHandleW(nullptr), nullptr));
    events.grid = &grid;
    grid.Create(host.Get(), 30, 30, 310, 151, 1);
    ASSERT_TRUE(grid.Handle());
    sheet.SetColWidth(1, 210);
    sheet.SetCell(0, 0, u"Prio");
    sheet.SetCell(1, 0, u"Aufgabe");
    sheet.SetCell(2, 0, u"Zeit");
    sheet.SetCell(1, 1, u"...Klicken für neue Aufgabe");
    grid.SetScrollBarsAllowed({true, true});
    grid.Repaint();
    ShowWindow(host.Get(), SW_SHOW);
    SetForegroundWindow(host.Get());
    SetFocus(grid.Handle());
    events.log.clear();
  }

  void TearDown() override { SetKeyboardState(std::vector<BYTE>(256, 0).data()); }

  int RowHeight() const { return grid.Model().DefaultRowHeight(); }
  int Pitch() const { return grid.Model().RowPitch(); }

  void Key(int key) { SendMessageW(grid.Handle(), WM_KEYDOWN, static_cast<WPARAM>(key), 0); }
  void EditorKey(int key) { SendMessageW(EditorWindow(), WM_KEYDOWN, static_cast<WPARAM>(key), 0); }
  void HoldCtrl() {
    std::vector<BYTE> state(256, 0);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state.data());
  }
  void Press(int x, int y) {
    SendMessageW(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(grid.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  HWND EditorWindow() const { return FindWindowExW(grid.Handle(), nullptr, L"EDIT", nullptr); }
  std::u16string EditorText() const {
    wchar_t text[256] = {};
    GetWindowTextW(EditorWindow(), text, 256);
    return reinterpret_cast<const char16_t*>(text);
  }
  GridCell Current() const { return grid.Model().CurrentCell(); }
  void Select(int col, int row) {
    grid.Model().SetCurrentCell({col, row});
    grid.Repaint();
  }

  // Renders the grid through WM_PRINTCLIENT into a 32-bit picture and returns a pixel.
  COLORREF PixelAt(int x, int y) {
    RECT client;
    GetClientRect(grid.Handle(), &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc dc(CreateCompatibleDC(nullptr));
    SelectGuard selected(dc.Get(), picture.Get());
    SendMessageW(grid.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    return GetPixel(dc.Get(), x, y);
  }

  UniqueWindow host;
  UniqueWindow other;
  RecordingEvents events;
  Sheet sheet;
  GridControl grid{events, sheet};
};

using Log = std::vector<std::string>;

TEST_F(GridTest, RowHeightAndFontFollowTheDpi) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(RowHeight(), MulDiv(24, dpi, 120));
  LOGFONTW font{};
  GetObjectW(grid.Font(), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"Tahoma");
  EXPECT_EQ(font.lfHeight, -MulDiv(10, dpi, 72));
  grid.SetFontSize(12);
  GetObjectW(grid.Font(), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(12, dpi, 72));
}

TEST_F(GridTest, PaintsTitleTaskCellsAndLines) {
  const int titleY = RowHeight() / 2;
  const int taskY = Pitch() + RowHeight() / 2;
  EXPECT_EQ(PixelAt(5, titleY), kFixedColour);
  EXPECT_EQ(PixelAt(5, taskY), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(50, taskY), kCellLineColour);                 // between task cells
  EXPECT_EQ(PixelAt(5, Pitch() + RowHeight()), kCellLineColour);  // under a task row
  EXPECT_EQ(PixelAt(5, RowHeight()), kTitleLineColour);           // under the title
  EXPECT_EQ(PixelAt(50, RowHeight()), kTitleLineColour);
  EXPECT_EQ(PixelAt(50, titleY), kFixedColour);  // no line between title cells
  sheet.SetColWidth(1, 100);
  grid.Repaint();
  EXPECT_EQ(PixelAt(250, taskY), kGridColour);  // right of the last column
}

TEST_F(GridTest, LineWidthZeroLeavesNoLinePixels) {
  sheet.SetGridLines(false);
  grid.Repaint();
  const int taskY = RowHeight() + RowHeight() / 2;
  EXPECT_EQ(PixelAt(50, taskY), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(5, RowHeight()), RGB(255, 255, 255));  // row 1 starts right under the title
  EXPECT_EQ(PixelAt(5, RowHeight() - 1), kFixedColour);
}

TEST_F(GridTest, WithoutAFixedRowTheTitleShowsTheGridColourAndSilverLines) {
  events.drawCells = false;
  grid.Model().SetFixedRows(0);
  grid.Repaint();
  EXPECT_EQ(PixelAt(5, RowHeight() / 2 - 8), kGridColour);
  EXPECT_EQ(PixelAt(50, RowHeight() / 2), kCellLineColour);
  EXPECT_EQ(Current(), (GridCell{0, 0}));
}

TEST_F(GridTest, TheSelectedCellIsHighlightedOnlyWhileTheGridIsNotFocused) {
  events.drawCells = false;
  Select(1, 2);
  const int y = 2 * Pitch() + 2;
  EXPECT_EQ(PixelAt(100, y), kGridColour);
  EXPECT_TRUE(events.watchedState.focused);
  SetFocus(other.Get());
  EXPECT_FALSE(grid.IsFocusedControl());
  EXPECT_EQ(PixelAt(100, y), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(events.watchedState.selected);
  EXPECT_FALSE(events.watchedState.focused);
}

TEST_F(GridTest, TheFocusRectangleMarksTheCurrentCell) {
  Select(1, 1);
  const int top = Pitch();
  bool marked = false;
  for (int x = 60; x < 80; ++x) marked = marked || PixelAt(x, top) != RGB(255, 255, 255);
  EXPECT_TRUE(marked);
  // Without the focus the cell keeps the plain highlight, with no dotted frame on it.
  SetFocus(other.Get());
  marked = false;
  for (int x = 60; x < 80; ++x) marked = marked || PixelAt(x, top) != GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_FALSE(marked);
}

TEST_F(GridTest, FirstKeyPlacesTheFirstTaskCellThenKeysMove) {
  Key(VK_DOWN);
  EXPECT_EQ(Current(), (GridCell{0, 1}));
  EXPECT_EQ(events.log, (Log{"KeyDown 40", "SelectCell 0,1", "Click"}));
  Key(VK_DOWN);
  Key(VK_END);
  EXPECT_EQ(Current(), (GridCell{2, 2}));
  HoldCtrl();
  Key(VK_HOME);
  EXPECT_EQ(Current(), (GridCell{0, 1}));
  EXPECT_EQ(events.log.back(), "Click");
  EXPECT_EQ(events.log[events.log.size() - 3], "KeyDown 36 ctrl");
}

TEST_F(GridTest, CtrlOnItsOwnDoesNotPlaceACell) {
  HoldCtrl();
  Key(VK_CONTROL);
  EXPECT_FALSE(grid.Model().HasCurrentCell());
}

TEST_F(GridTest, ARefusedCellStaysUnselected) {
  Select(0, 1);
  events.allowSelect = false;
  Key(VK_DOWN);
  EXPECT_EQ(Current(), (GridCell{0, 1}));
  EXPECT_EQ(events.log, (Log{"KeyDown 40", "SelectCell 0,2"}));
}

TEST_F(GridTest, F2EditsAndEnterKeepsTheText) {
  Select(1, 1);
  Key(VK_F2);
  ASSERT_TRUE(grid.IsEditing());
  EXPECT_TRUE(IsWindowVisible(EditorWindow()));
  EXPECT_EQ(GetFocus(), EditorWindow());
  EXPECT_EQ(EditorText(), u"...Klicken für neue Aufgabe");
  SetWindowTextW(EditorWindow(), L"Einkaufen");
  EditorKey(VK_RETURN);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_FALSE(IsWindowVisible(EditorWindow()));
  EXPECT_EQ(GetFocus(), grid.Handle());
  EXPECT_EQ(grid.Model().Cell(1, 1), u"Einkaufen");
  EXPECT_EQ(events.log, (Log{"KeyDown 113", "KeyDown 13"}));
}

TEST_F(GridTest, APrintableCharacterReplacesTheText) {
  Select(1, 1);
  SendMessageW(grid.Handle(), WM_CHAR, L'x', 0);
  ASSERT_TRUE(grid.IsEditing());
  SendMessageW(EditorWindow(), WM_CHAR, L'y', 0);
  EXPECT_EQ(EditorText(), u"xy");
  EditorKey(VK_DOWN);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.Model().Cell(1, 1), u"xy");
  EXPECT_EQ(Current(), (GridCell{1, 2}));
}

TEST_F(GridTest, TheEditorKeepsCaretKeysAndHandsEveryKeyToTheOwner) {
  Select(1, 1);
  Key(VK_RETURN);
  ASSERT_TRUE(grid.IsEditing());
  EditorKey(VK_LEFT);
  EditorKey(VK_HOME);
  EditorKey(VK_INSERT);
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(Current(), (GridCell{1, 1}));
  EXPECT_EQ(events.log, (Log{"KeyDown 13", "KeyDown 37", "KeyDown 36", "KeyDown 45"}));
}

TEST_F(GridTest, EscapeWhileEditingKeepsTheTextAndPlacesTheFirstCell) {
  events.escapeClearsSelection = true;
  Select(2, 4);
  SendMessageW(grid.Handle(), WM_CHAR, L'z', 0);
  EditorKey(VK_ESCAPE);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.Model().Cell(2, 4), u"z");
  EXPECT_EQ(Current(), (GridCell{0, 1}));
}

TEST_F(GridTest, TabMovesTheFocusAwayFromGridAndEditor) {
  Select(1, 1);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), other.Get());
  EXPECT_FALSE(grid.IsFocusedControl());
  SetFocus(grid.Handle());
  Key(VK_F2);
  SetWindowTextW(EditorWindow(), L"neu");
  EditorKey(VK_TAB);
  EXPECT_EQ(GetFocus(), other.Get());
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.Model().Cell(1, 1), u"neu");
}

TEST_F(GridTest, PressesSelectThenEditAndTheTitleRowSelectsNothing) {
  const int y = 2 * Pitch() + 5;
  Press(100, y);
  EXPECT_EQ(Current(), (GridCell{1, 2}));
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(events.log, (Log{"SelectCell 1,2", "Click", "MouseDown left", "MouseUp left"}));
  events.log.clear();
  Press(100, y);
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(events.log, (Log{"Click", "MouseDown left", "MouseUp left"}));
  events.log.clear();
  Press(100, 5);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(Current(), (GridCell{1, 2}));
  EXPECT_EQ(events.log, (Log{"MouseDown left", "MouseUp left"}));
}

TEST_F(GridTest, RightPressAndDoubleClickAreReported) {
  SendMessageW(grid.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 40));
  SendMessageW(grid.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(100, 40));
  SendMessageW(grid.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 5));
  EXPECT_FALSE(grid.Model().HasCurrentCell());
  EXPECT_EQ(events.log, (Log{"MouseDown right", "MouseUp right", "MouseDown left", "DblClick"}));
}

TEST_F(GridTest, DraggingATitleBorderSizesTheColumn) {
  SendMessageW(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(51, 5));
  SendMessageW(grid.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));
  SendMessageW(grid.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 5));
  SendMessageW(grid.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(80, 5));
  SendMessageW(grid.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(120, 5));
  EXPECT_EQ(grid.Model().ColWidths(), (std::vector<int>{80, 210, 45}));
  EXPECT_FALSE(grid.Model().HasCurrentCell());
}

TEST_F(GridTest, WheelStepsMoveTheCurrentCellUnlessTheOwnerHandlesThem) {
  Select(0, 1);
  SendMessageW(grid.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Current(), (GridCell{0, 2}));
  EXPECT_EQ(events.log, (Log{"Wheel -120", "SelectCell 0,2", "Click"}));
  SendMessageW(grid.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  SendMessageW(grid.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Current(), (GridCell{0, 1}));
  events.handleWheel = true;
  SendMessageW(grid.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Current(), (GridCell{0, 1}));
}

TEST_F(GridTest, ScrollBarsShowOnlyWhileNeededAndAllowed) {
  auto style = [&] { return GetWindowLongW(grid.Handle(), GWL_STYLE); };
  EXPECT_EQ(style() & (WS_VSCROLL | WS_HSCROLL), 0);
  sheet.SetRowCount(20);
  grid.Repaint();
  EXPECT_EQ(style() & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL | WS_HSCROLL);
  grid.SetScrollBarsAllowed({true, false});
  EXPECT_EQ(style() & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL);
  grid.SetScrollBarsAllowed({false, false});
  EXPECT_EQ(style() & (WS_VSCROLL | WS_HSCROLL), 0);
  grid.SetScrollBarsAllowed({true, true});
  sheet.SetRowCount(6);
  grid.Repaint();
  EXPECT_EQ(style() & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(GridTest, TenThousandRowsPaintOnlyTheRowsInView) {
  sheet.SetRowCount(10'000);
  grid.Repaint();
  Select(0, 5'000);
  events.drawnCells = 0;
  events.lowestDrawnRow = INT_MAX;
  PixelAt(0, 0);
  EXPECT_LE(events.drawnCells, 3 * 7);
  EXPECT_GE(events.lowestDrawnRow, 4'990);
  SendMessageW(grid.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid.Model().TopRow(), grid.Model().MaxTopRow());
}

}  // namespace
}  // namespace pendra
