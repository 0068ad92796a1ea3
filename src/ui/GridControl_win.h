#pragma once
// ToDoGrid, the to-do sheet's grid: a child window that shows a GridModel with a fixed title
// row, grid lines, owner-drawn cells, a dotted focus rectangle, an in-place editor, column
// sizing in the title row, keys, mouse and wheel, and scroll bars shown only while the content
// overflows and the owner allows them. It paints double-buffered and only the cells in view.
//
// The grid shows a sheet and follows it: every change of the sheet repaints what it touched.
// Text typed into the in-place editor goes into its cell at once. The owner hears of the
// user's actions through GridEvents.
//
// Screen readers read and edit it as a table of rows and cells (GridAccessible_win.h): the grid
// tells them when the current cell moves, a cell's text changes and rows or columns come and go.
// Its colours follow a ColourScheme, the design's or the high-contrast theme's.
#include <windows.h>

#include <string>

#include "platform/Guard.h"
#include "platform/Unique_win.h"
#include "platform/Window_win.h"
#include "ui/ColourScheme.h"
#include "ui/ColumnFitting.h"
#include "ui/GridAccessible_win.h"
#include "ui/GridGeometry.h"
#include "ui/GridModel.h"
#include "ui/InplaceEditor_win.h"

namespace pendra {

// The design's colours.
constexpr COLORREF kGridColour = kDesignGridColour;
constexpr COLORREF kFixedColour = kDesignFixedColour;
constexpr COLORREF kCellLineColour = kDesignCellLineColour;
constexpr COLORREF kTitleLineColour = kDesignTitleLineColour;

// How the grid shows a cell: in the fixed row, the current cell, the grid the focused control.
struct GridDrawState {
  bool fixed = false;
  bool selected = false;
  bool focused = false;
};

enum class GridMouseButton { Left, Right, Middle };

// The owner's notifications; each does nothing (or allows) unless overridden. A failure while
// a cell is drawn is reported to the owner under "DrawCell".
class GridEvents : public virtual ExceptionReporter {
 public:
  // Asked before a key, a press or the wheel makes a cell current; false keeps the old one.
  virtual bool SelectCell(int /*col*/, int /*row*/) { return true; }
  // After each left press on a non-fixed cell and each move of the current cell by key or wheel.
  virtual void Click() {}
  virtual void DblClick() {}
  // Any button pressed or released over the grid, in client coordinates. MouseDown comes after
  // the grid's own handling of the press (focus, current cell, editor).
  virtual void MouseDown(GridMouseButton /*button*/, int /*x*/, int /*y*/) {}
  virtual void MouseUp(GridMouseButton /*button*/, int /*x*/, int /*y*/) {}
  // Every key-down of the grid and of its editor, before the grid's own handling.
  virtual void KeyDown(int /*key*/, bool /*ctrl*/) {}
  // Every wheel message before the grid's own handling; true means handled, so the grid does
  // nothing with it.
  virtual bool Wheel(int /*delta*/) { return false; }
  // May draw a cell instead of the grid, its background included; false leaves it to the grid,
  // which draws the sheet's cell (DrawSheetCell). The grid has selected its font, made the DC
  // brush (selected) and the text background the cell's background colour, set the text colour
  // and clipped to the rectangle, but not filled it. Not called for the cell under the editor.
  virtual bool DrawCell(HDC /*dc*/, int /*col*/, int /*row*/, const RECT& /*rect*/, GridDrawState /*state*/) {
    return false;
  }
};

class GridControl : public Window,
                    private InplaceEditorHost,
                    private SheetObserver,
                    private GridViewObserver,
                    private GridAccessSource {
 public:
  GridControl(GridEvents& events, Sheet& sheet);
  ~GridControl() override;

  // A bordered child window at the given place; the row height and font follow the display's dpi.
  void Create(HWND parent, int x, int y, int width, int height, int id);
  // The display's dpi changed: the font and the row height follow it.
  void SetDpi(int dpi);

  // The view of the sheet: current cell, editing, scroll position.
  GridModel& Model() { return model_; }
  const GridModel& Model() const { return model_; }
  bool IsEditing() const { return model_.IsEditing(); }

  void SetFontSize(int points);
  int FontSize() const { return fontPoints_; }
  HFONT Font() const { return font_.Get(); }
  // No scroll bar is shown until the owner allows it.
  void SetScrollBarsAllowed(ScrollBarsAllowed allowed);
  ScrollBarsShown ScrollBars() const { return shownBars_; }
  // The grid or its editor has the window's focus (kept while the window is inactive).
  bool IsFocusedControl() const { return focused_; }
  // Brings scroll bars and editor in step with the model and repaints at once.
  void Repaint();
  // Makes the cell current, as a key would, and opens the editor on it with the keys in it.
  void EditCell(GridCell cell);
  // The system's scheme from the window's creation on, until the owner gives another.
  void SetColourScheme(const ColourScheme& scheme);
  const ColourScheme& Colours() const { return scheme_; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void OnCreate();
  void OnPaint();
  void OnSize();
  void OnKeyDown(int key);
  void OnChar(wchar_t ch);
  void OnFocusChanged(bool gained, HWND other);
  void OnLeftButtonDown(int x, int y);
  void OnButtonDown(GridMouseButton button, int x, int y);
  void OnButtonUp(GridMouseButton button, int x, int y);
  void OnDoubleClick(int x, int y);
  void OnMouseMove(int x);
  bool OnSetCursor();
  void OnWheel(int delta);
  void OnScroll(int bar, int request);
  void OnEditorChanged();
  void SheetChanged(const SheetChange& change) override;
  // Repaints what the view's change touched: the cells left and entered, the edited cell, or
  // everything after a scroll.
  void GridViewChanged(const GridViewChange& change) override;
  void InvalidateCell(GridCell cell);

  bool EditorKeyDown(int key) override;
  std::u16string EditorAccessibleName() const override;
  void EditorFocusChanged(bool gained, HWND other) override;
  void EditorRightButtonDown(POINT inGrid) override;

  void ApplyKey(int key);
  // Asks the owner, then makes the cell current (closing the editor); true when it moved.
  bool MoveCurrent(GridCell target);
  void OpenEditor(const std::u16string& text, bool selectAll);
  // The focus returns to the grid unless it is leaving it.
  void CloseEditor(bool keepFocusInGrid = true);
  void PlaceEditor();
  void MoveFocusAway();
  void EndSizing();
  void MakeFont();
  int RowHeight() const;
  void Changed();
  void UpdateScrollBars();
  void UpdateScrollInfo();

  void Paint(HDC target, const RECT& dirty);
  void PaintCells(HDC dc, const RECT& dirty);
  void PaintCell(HDC dc, GridCell cell, const RECT& rect);
  void DrawCell(HDC dc, GridCell cell, const RECT& rect, GridDrawState state);
  void PaintLines(HDC dc);
  void PaintFocus(HDC dc);
  void PaintGridFocus(HDC dc);
  // The current cell is drawn in the highlight's colours.
  bool IsHighlighted(GridCell cell) const;

  // What screen readers are told, and what they may do.
  void NotifyAccessible(DWORD event, long child);
  void AnnounceCurrentCell();
  HWND GridWindow() const override { return Handle(); }
  const GridModel& GridView() const override { return model_; }
  bool GridHasFocus() const override { return focused_; }
  bool SelectFromOutside(GridCell cell, bool takeFocus) override;
  bool SetTextFromOutside(GridCell cell, const std::u16string& text) override;
  void EditFromOutside(GridCell cell) override;
  void OnEditFromOutside(GridCell cell);

  GridEvents& events_;
  GridModel model_;
  InplaceEditor editor_;
  UniqueFont font_;
  int fontPoints_ = 10;
  int dpi_ = kDesignDpi;
  ScrollBarsAllowed allowedBars_;
  ScrollBarsShown shownBars_;
  bool updatingScrollBars_ = false;
  bool focused_ = false;
  int sizingCol_ = -1;
  int sizingStart_ = 0;
  int wheelRemainder_ = 0;
  UniqueBitmap buffer_;
  SIZE bufferSize_{};
  ColourScheme scheme_;
  AccessLink<GridAccessSource> accessLink_;
};

}  // namespace pendra
