#include "ui/GridControl_win.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/Geometry_win.h"
#include "ui/AccessibleNames.h"
#include "ui/CellDrawing_win.h"
#include "ui/GridNavigation.h"
#include "ui/SystemColours_win.h"

namespace pendra {

// The portable key codes are Windows' virtual-key codes.
static_assert(vk::Tab == VK_TAB && vk::Return == VK_RETURN && vk::Space == VK_SPACE && vk::Shift == VK_SHIFT &&
              vk::Control == VK_CONTROL && vk::Menu == VK_MENU && vk::Capital == VK_CAPITAL &&
              vk::Escape == VK_ESCAPE && vk::Prior == VK_PRIOR && vk::Next == VK_NEXT && vk::End == VK_END &&
              vk::Home == VK_HOME && vk::Left == VK_LEFT && vk::Up == VK_UP && vk::Right == VK_RIGHT &&
              vk::Down == VK_DOWN && vk::Insert == VK_INSERT && vk::Delete == VK_DELETE && vk::LWin == VK_LWIN &&
              vk::RWin == VK_RWIN && vk::Apps == VK_APPS && vk::F2 == VK_F2 && vk::NumLock == VK_NUMLOCK &&
              vk::Scroll == VK_SCROLL && vk::LShift == VK_LSHIFT && vk::RMenu == VK_RMENU);

namespace {

constexpr wchar_t kClassName[] = L"PendraToDoGrid";
constexpr int kDesignRowHeight = 24;
// Room above and below a row's text.
constexpr int kDesignTextRoom = 2;
constexpr int kPointsPerInch = 72;
// Posted by a screen reader's default action on a cell: wParam its column, lParam its row.
constexpr UINT kEditFromOutsideMessage = WM_APP + 1;

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

KeyModifiers HeldModifiers() { return {KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT), KeyHeld(VK_MENU)}; }

int ClampToInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

// Where something that starts there and is that long ends, at the limit at most.
int EndWithin(int start, std::int64_t extent, int limit) {
  return ClampToInt(std::min(start + extent, std::int64_t{limit}));
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

GridControl::GridControl(GridEvents& events, Sheet& sheet)
    : events_(events), model_(sheet), editor_(*this), accessLink_(MakeAccessLink<GridAccessSource>(this)) {
  sheet.AddObserver(*this);
  model_.SetObserver(this);
}

// The window goes first, while the editor and the model it reports to still exist.
GridControl::~GridControl() {
  *accessLink_ = nullptr;
  model_.TheSheet().RemoveObserver(*this);
  if (Handle()) DestroyWindow(Handle());
}

void GridControl::SheetChanged(const SheetChange& change) {
  if (!Handle()) return;
  switch (change.kind) {
    case SheetChange::Kind::Window: return;
    case SheetChange::Kind::Cell: {
      InvalidateCell({change.col, change.row});
      const long id = CellEventId(model_, {change.col, change.row});
      NotifyAccessible(EVENT_OBJECT_VALUECHANGE, id);
      NotifyAccessible(EVENT_OBJECT_NAMECHANGE, id);
      // A caption is part of the name of every cell below it; the current one is read again.
      const GridCell current = model_.CurrentCell();
      if (change.row == 0 && current.col == change.col && current.row > 0) {
        NotifyAccessible(EVENT_OBJECT_NAMECHANGE, CellEventId(model_, current));
      }
      return;
    }
    case SheetChange::Kind::Structure:
      Repaint();
      NotifyAccessible(EVENT_OBJECT_REORDER, CHILDID_SELF);
      return;
    case SheetChange::Kind::Look: Repaint(); return;
  }
}

void GridControl::GridViewChanged(const GridViewChange& change) {
  if (!Handle()) return;
  switch (change.kind) {
    case GridViewChange::Kind::Current:
      InvalidateCell(change.before);
      InvalidateCell(change.after);
      AnnounceCurrentCell();
      return;
    case GridViewChange::Kind::Editing:
      // The owner ended the editing: the editor goes with it; an editing that moved takes it along.
      if (!model_.IsEditing() && editor_.IsOpen()) CloseEditor();
      if (model_.IsEditing()) PlaceEditor();
      InvalidateCell(change.before);
      InvalidateCell(change.after);
      return;
    case GridViewChange::Kind::Scroll:
      UpdateScrollInfo();
      PlaceEditor();
      InvalidateRect(Handle(), nullptr, FALSE);
      return;
  }
}

// A cell out of view, or no cell, has nothing to repaint.
void GridControl::InvalidateCell(GridCell cell) {
  Rect rect;
  if (cell.col < 0 || !CellRect(model_, cell, rect)) return;
  const RECT area = ToRECT(rect);
  InvalidateRect(Handle(), &area, FALSE);
}

void GridControl::Create(HWND parent, int x, int y, int width, int height, int id) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  // Clipping its siblings keeps the grid's paint off the small buttons that overlap its edge.
  CreateWindowOf(kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                 x, y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void GridControl::SetFontSize(int points) {
  if (points == fontPoints_ && font_) return;
  fontPoints_ = points;
  if (!Handle()) return;
  MakeFont();
  Changed();
}

void GridControl::SetScrollBarsAllowed(ScrollBarsAllowed allowed) {
  allowedBars_ = allowed;
  Changed();
}

void GridControl::Repaint() {
  if (!Handle()) return;
  Changed();
  UpdateWindow(Handle());
}

void GridControl::SetColourScheme(const ColourScheme& scheme) {
  if (scheme == scheme_) return;
  scheme_ = scheme;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT GridControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(Handle(), &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_SIZE: OnSize(); return 0;
    // Every key, Tab included, so that a dialog manager does not take Enter, Escape or Tab;
    // the grid moves the focus on Tab itself.
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: OnKeyDown(static_cast<int>(wParam)); return 0;
    case WM_CHAR: OnChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_SETFOCUS:
      OnFocusChanged(true, reinterpret_cast<HWND>(wParam));
      AnnounceCurrentCell();
      return 0;
    case WM_KILLFOCUS: OnFocusChanged(false, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(x, y); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: OnButtonDown(GridMouseButton::Right, x, y); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: OnButtonDown(GridMouseButton::Middle, x, y); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(x, y); return 0;
    case WM_LBUTTONUP: OnButtonUp(GridMouseButton::Left, x, y); return 0;
    case WM_RBUTTONUP: OnButtonUp(GridMouseButton::Right, x, y); return 0;
    case WM_MBUTTONUP: OnButtonUp(GridMouseButton::Middle, x, y); return 0;
    case WM_MOUSEMOVE: OnMouseMove(x); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
    case WM_CAPTURECHANGED: sizingCol_ = -1; return 0;
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == editor_.Handle() && HIWORD(wParam) == EN_CHANGE) OnEditorChanged();
      return 0;
    case WM_GETOBJECT:
      if (!AsksForClientObject(lParam)) break;
      return AnswerWithObject(wParam, MakeGridAccessible(accessLink_));
    case kEditFromOutsideMessage: OnEditFromOutside({static_cast<int>(wParam), static_cast<int>(lParam)}); return 0;
  }
  return DefaultProc(message, wParam, lParam);
}

void GridControl::OnCreate() {
  scheme_ = SystemColourScheme();
  dpi_ = static_cast<int>(GetDpiForWindow(Handle()));
  MakeFont();
  model_.SetDefaultRowHeight(RowHeight());
  editor_.Create(Handle(), font_.Get(), Scale(dpi_));
}

void GridControl::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  MakeFont();
  model_.SetDefaultRowHeight(RowHeight());
  Changed();
}

// The design's row height at the display's scale, and never less than the font's text needs.
int GridControl::RowHeight() const {
  const Scale scale(dpi_);
  HDC dc = GetDC(Handle());
  TEXTMETRICW metrics{};
  {
    const SelectGuard selected(dc, font_.Get());
    GetTextMetricsW(dc, &metrics);
  }
  ReleaseDC(Handle(), dc);
  return std::max(scale(kDesignRowHeight), static_cast<int>(metrics.tmHeight) + scale(kDesignTextRoom));
}

void GridControl::MakeFont() {
  UniqueFont font(::CreateFontW(-MulDiv(fontPoints_, dpi_, kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  editor_.SetFont(font.Get(), Scale(dpi_));
  font_ = std::move(font);
}

void GridControl::OnPaint() {
  PaintGuard paint(Handle());
  Paint(paint.Dc(), paint.Dirty());
}

void GridControl::OnSize() {
  UpdateScrollBars();
  PlaceEditor();
  InvalidateRect(Handle(), nullptr, FALSE);
}

// --- keys ---------------------------------------------------------------------------------

void GridControl::OnKeyDown(int key) {
  if (editor_.IsOpen()) {
    SendMessageW(editor_.Handle(), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    return;
  }
  events_.KeyDown(key, KeyHeld(VK_CONTROL));
  ApplyKey(key);
}

bool GridControl::EditorKeyDown(int key) {
  events_.KeyDown(key, KeyHeld(VK_CONTROL));
  if (!EditorLeavesKeyToGrid(key, HeldModifiers())) return false;
  ApplyKey(key);
  return true;
}

void GridControl::ApplyKey(int key) {
  const GridKeyDecision decision = DecideGridKey(model_, key, HeldModifiers());
  switch (decision.action) {
    case GridKeyAction::Ignore: break;
    case GridKeyAction::PlaceFirstCell:
    case GridKeyAction::Move:
      if (MoveCurrent(decision.target)) events_.Click();
      break;
    case GridKeyAction::OpenEditor:
      OpenEditor(model_.Cell(model_.CurrentCell().col, model_.CurrentCell().row), true);
      break;
    case GridKeyAction::CloseEditor: CloseEditor(); break;
    case GridKeyAction::MoveFocusAway: MoveFocusAway(); break;
  }
}

void GridControl::OnChar(wchar_t ch) {
  if (editor_.IsOpen()) {
    SendMessageW(editor_.Handle(), WM_CHAR, ch, 0);
    return;
  }
  if (ch < L' ' || ch == 127) return;
  if (!model_.HasCurrentCell() && MoveCurrent(model_.FirstNonFixedCell())) events_.Click();
  OpenEditor(std::u16string(1, static_cast<char16_t>(ch)), false);
}

void GridControl::EditCell(GridCell cell) {
  if (model_.CurrentCell() != cell) {
    if (!MoveCurrent(cell)) return;
    events_.Click();
  }
  if (!model_.IsEditing()) OpenEditor(model_.Cell(cell.col, cell.row), true);
  if (editor_.IsOpen()) SetFocus(editor_.Handle());
}

void GridControl::MoveFocusAway() {
  CloseEditor();
  HWND root = GetAncestor(Handle(), GA_ROOT);
  HWND next = GetNextDlgTabItem(root, Handle(), KeyHeld(VK_SHIFT));
  SetFocus(next && next != Handle() ? next : root);
}

// --- current cell and editor --------------------------------------------------------------

bool GridControl::MoveCurrent(GridCell target) {
  if (!model_.IsSelectable(target) || !events_.SelectCell(target.col, target.row)) return false;
  // The owner may have changed the grid while answering.
  if (!model_.IsSelectable(target)) return false;
  CloseEditor();
  model_.SetCurrentCell(target);
  return true;
}

void GridControl::OpenEditor(const std::u16string& text, bool selectAll) {
  if (!model_.BeginEditing()) return;
  model_.MakeCellVisible(model_.EditedCell());
  Rect rect;
  if (!CellRect(model_, model_.EditedCell(), rect)) {
    model_.EndEditing();
    return;
  }
  editor_.Open(ToRECT(rect), text, selectAll);
  OnEditorChanged();
}

void GridControl::OnEditorChanged() {
  if (!model_.IsEditing()) return;
  const GridCell cell = model_.EditedCell();
  model_.TheSheet().SetCell(cell.col, cell.row, editor_.Text());
}

// The editor goes before the model hears of it, so that the model's signal finds it closed.
void GridControl::CloseEditor(bool keepFocusInGrid) {
  if (!model_.IsEditing() && !editor_.IsOpen()) return;
  const bool editorHadFocus = GetFocus() == editor_.Handle();
  editor_.Hide();
  model_.EndEditing();
  if (editorHadFocus && keepFocusInGrid) SetFocus(Handle());
}

void GridControl::PlaceEditor() {
  if (!model_.IsEditing()) return;
  Rect rect;
  if (CellRect(model_, model_.EditedCell(), rect)) {
    editor_.Move(ToRECT(rect));
  } else {
    CloseEditor();
  }
}

void GridControl::OnFocusChanged(bool gained, HWND other) {
  if (gained) {
    focused_ = true;
  } else {
    // Focus moving between the grid and its editor, or the window being deactivated (the
    // grid stays the window's focused control then), changes nothing.
    if (other == Handle() || other == editor_.Handle() || other == nullptr) return;
    CloseEditor(false);
    focused_ = false;
  }
  InvalidateCell(model_.CurrentCell());
}

void GridControl::EditorFocusChanged(bool gained, HWND other) { OnFocusChanged(gained, other); }

void GridControl::EditorRightButtonDown(POINT inGrid) { OnButtonDown(GridMouseButton::Right, inGrid.x, inGrid.y); }

// --- mouse --------------------------------------------------------------------------------

void GridControl::OnLeftButtonDown(int x, int y) {
  CloseEditor();
  SetFocus(Handle());
  const int border = ColumnBorderAt(model_, x, y);
  if (border >= 0) {
    sizingCol_ = border;
    SetCapture(Handle());
  } else {
    const GridCell cell = CellAt(model_, x, y);
    if (model_.IsSelectable(cell)) {
      if (cell == model_.CurrentCell()) {
        OpenEditor(model_.Cell(cell.col, cell.row), true);
      } else {
        MoveCurrent(cell);
      }
      events_.Click();
    }
  }
  events_.MouseDown(GridMouseButton::Left, x, y);
}

void GridControl::OnButtonDown(GridMouseButton button, int x, int y) {
  CloseEditor();
  SetFocus(Handle());
  events_.MouseDown(button, x, y);
}

// The second press of a double-click is a press like the first: on the cell that is (or just
// became) current it opens the editor.
void GridControl::OnDoubleClick(int x, int y) {
  OnLeftButtonDown(x, y);
  events_.DblClick();
}

void GridControl::OnButtonUp(GridMouseButton button, int x, int y) {
  if (button == GridMouseButton::Left) EndSizing();
  events_.MouseUp(button, x, y);
}

void GridControl::OnMouseMove(int x) {
  if (sizingCol_ < 0) return;
  for (const ShownLine& col : ShownCols(model_)) {
    if (col.index != sizingCol_) continue;
    const int width = std::max(0, x - col.start);
    if (width == model_.ColWidth(sizingCol_)) return;
    model_.TheSheet().SetColWidth(sizingCol_, width);
    return;
  }
}

void GridControl::EndSizing() {
  sizingCol_ = -1;
  if (GetCapture() == Handle()) ReleaseCapture();
}

bool GridControl::OnSetCursor() {
  POINT point;
  GetCursorPos(&point);
  ScreenToClient(Handle(), &point);
  if (sizingCol_ < 0 && ColumnBorderAt(model_, point.x, point.y) < 0) return false;
  SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
  return true;
}

void GridControl::OnWheel(int delta) {
  if (events_.Wheel(delta)) return;
  wheelRemainder_ += delta;
  while (std::abs(wheelRemainder_) >= WHEEL_DELTA) {
    const bool down = wheelRemainder_ < 0;
    wheelRemainder_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
    // Without a current cell a step down starts at the first cell; a step up does nothing.
    if (!model_.HasCurrentCell()) {
      if (down && MoveCurrent(model_.FirstNonFixedCell())) events_.Click();
      continue;
    }
    const GridCell target = WheelTarget(model_, down);
    if (target != model_.CurrentCell() && MoveCurrent(target)) events_.Click();
  }
}

// --- scrolling ----------------------------------------------------------------------------

void GridControl::OnScroll(int bar, int request) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), bar, &info);
  const int page = std::max(1, static_cast<int>(info.nPage));
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  if (bar == SB_VERT) {
    model_.ScrollTo(model_.FixedRows() + position, model_.LeftCol());
  } else {
    model_.ScrollTo(model_.TopRow(), position);
  }
  UpdateScrollInfo();
  PlaceEditor();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void GridControl::Changed() {
  if (!Handle()) return;
  // The model may have ended the editing, for instance when the edited row was removed.
  if (!model_.IsEditing()) CloseEditor();
  UpdateScrollBars();
  PlaceEditor();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void GridControl::UpdateScrollBars() {
  // Showing or hiding a bar resizes the client area, which calls back here.
  if (updatingScrollBars_) return;
  updatingScrollBars_ = true;
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
  const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
  RECT client;
  GetClientRect(Handle(), &client);
  const int areaWidth = client.right + (shownBars_.vertical ? barWidth : 0);
  const int areaHeight = client.bottom + (shownBars_.horizontal ? barHeight : 0);
  const ScrollBarsShown needed = NeededScrollBars(model_, areaWidth, areaHeight, barWidth, barHeight, allowedBars_);
  if (needed.vertical != shownBars_.vertical) ShowScrollBar(Handle(), SB_VERT, needed.vertical);
  if (needed.horizontal != shownBars_.horizontal) ShowScrollBar(Handle(), SB_HORZ, needed.horizontal);
  shownBars_ = needed;
  GetClientRect(Handle(), &client);
  model_.SetViewSize(client.right, client.bottom);
  UpdateScrollInfo();
  updatingScrollBars_ = false;
}

void GridControl::UpdateScrollInfo() {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  if (shownBars_.vertical) {
    info.nMax = model_.RowCount() - model_.FixedRows() - 1;
    info.nPage = static_cast<UINT>(model_.RowCount() - model_.MaxTopRow());
    info.nPos = model_.TopRow() - model_.FixedRows();
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  }
  if (shownBars_.horizontal) {
    info.nMax = model_.ColCount() - 1;
    info.nPage = static_cast<UINT>(model_.ColCount() - model_.MaxLeftCol());
    info.nPos = model_.LeftCol();
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
  }
}

// --- painting -----------------------------------------------------------------------------

void GridControl::Paint(HDC target, const RECT& dirty) {
  RECT client;
  GetClientRect(Handle(), &client);
  RECT area;
  if (!IntersectRect(&area, &dirty, &client)) return;
  if (!buffer_ || bufferSize_.cx != client.right || bufferSize_.cy != client.bottom) {
    HDC screen = GetDC(Handle());
    buffer_.Reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(Handle(), screen);
    bufferSize_ = {client.right, client.bottom};
  }
  UniqueDc memory(CreateCompatibleDC(nullptr));
  SelectGuard bitmap(memory.Get(), buffer_.Get());
  PaintCells(memory.Get(), area);
  PaintLines(memory.Get());
  PaintFocus(memory.Get());
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left, area.top,
         SRCCOPY);
}

// Each pixel is filled once: a cell's background by whoever draws the cell, the lines by
// PaintLines, and the grid's colour only beside and below the cells.
void GridControl::PaintCells(HDC dc, const RECT& dirty) {
  const std::vector<ShownLine> rows = ShownRows(model_);
  const std::vector<ShownLine> cols = ShownCols(model_);
  const int cellsRight =
      cols.empty()
          ? 0
          : EndWithin(cols.back().start, std::int64_t{model_.ColWidths()[cols.back().index]} + model_.LineWidth(),
                      model_.ViewWidth());
  const int cellsBottom = rows.empty() ? 0 : EndWithin(rows.back().start, model_.RowPitch(), model_.ViewHeight());
  for (const RECT& beside : {RECT{cellsRight, dirty.top, dirty.right, dirty.bottom},
                             RECT{dirty.left, cellsBottom, cellsRight, dirty.bottom}}) {
    RECT area;
    if (IntersectRect(&area, &beside, &dirty)) Fill(dc, area, scheme_.gridBackground);
  }
  for (const ShownLine& row : rows) {
    for (const ShownLine& col : cols) {
      const int right = ClampToInt(
          std::min<std::int64_t>(col.start + std::int64_t{model_.ColWidths()[col.index]}, model_.ViewWidth() + 1));
      const RECT rect{col.start, row.start, right, row.start + model_.DefaultRowHeight()};
      if (Intersects(rect, dirty)) PaintCell(dc, {col.index, row.index}, rect);
    }
  }
}

void GridControl::PaintCell(HDC dc, GridCell cell, const RECT& rect) {
  const bool fixed = cell.row < model_.FixedRows();
  const bool selected = cell == model_.CurrentCell();
  const bool highlighted = IsHighlighted(cell);
  const COLORREF background = fixed         ? scheme_.titleBackground
                              : highlighted ? scheme_.currentBackground
                                            : scheme_.gridBackground;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc, font_.Get());
  SelectObject(dc, GetStockObject(DC_BRUSH));
  SetDCBrushColor(dc, background);
  SetBkColor(dc, background);
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, highlighted ? scheme_.currentText : fixed ? scheme_.titleText : scheme_.taskText);
  // The editor covers its cell: only the background goes under it.
  if (model_.IsEditing() && cell == model_.EditedCell()) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  } else {
    DrawCell(dc, cell, rect, {fixed, selected, focused_});
  }
  RestoreDC(dc, saved);
}

void GridControl::DrawCell(HDC dc, GridCell cell, const RECT& rect, GridDrawState state) {
  Guarded(events_, u"DrawCell", [&] {
    if (events_.DrawCell(dc, cell.col, cell.row, rect, state)) return;
    const Sheet& sheet = model_.TheSheet();
    DrawSheetCell(dc, rect, sheet.Cell(cell.col, cell.row), cell.row, sheet.Alignment(cell.col), sheet.HeaderTextBold(),
                  IsHighlighted(cell), scheme_.taskBackground);
  });
}

// Normally only while the grid is not the focused control: then the focus rectangle is not drawn.
bool GridControl::IsHighlighted(GridCell cell) const {
  return cell == model_.CurrentCell() && (!focused_ || scheme_.highlightFocusedCurrent);
}

// Silver lines between task cells, black under the fixed row, and the fixed colour where the
// vertical lines would run through the fixed row.
void GridControl::PaintLines(HDC dc) {
  const int line = model_.LineWidth();
  const std::vector<ShownLine> rows = ShownRows(model_);
  const std::vector<ShownLine> cols = ShownCols(model_);
  if (line == 0 || rows.empty() || cols.empty()) return;
  const int rowHeight = model_.DefaultRowHeight();
  const int fixedEnd = std::min(model_.FixedRows() * model_.RowPitch(), model_.ViewHeight());
  const int rowsEnd =
      ClampToInt(std::min<std::int64_t>(rows.back().start + std::int64_t{model_.RowPitch()}, model_.ViewHeight()));
  const std::int64_t lastColEnd = cols.back().start + std::int64_t{model_.ColWidths()[cols.back().index]} + line;
  const int colsEnd = ClampToInt(std::min<std::int64_t>(lastColEnd, model_.ViewWidth()));
  for (const ShownLine& col : cols) {
    const std::int64_t x64 = col.start + std::int64_t{model_.ColWidths()[col.index]};
    if (x64 >= model_.ViewWidth()) break;
    const int x = static_cast<int>(x64);
    if (fixedEnd < rowsEnd) Fill(dc, {x, fixedEnd, x + line, rowsEnd}, scheme_.cellLine);
    for (const ShownLine& row : rows) {
      if (row.index < model_.FixedRows()) Fill(dc, {x, row.start, x + line, row.start + rowHeight}, scheme_.titleGap);
    }
  }
  for (const ShownLine& row : rows) {
    const int y = row.start + rowHeight;
    const COLORREF colour = row.index < model_.FixedRows() ? scheme_.titleLine : scheme_.cellLine;
    Fill(dc, {0, y, colsEnd, y + line}, colour);
  }
}

void GridControl::PaintFocus(HDC dc) {
  if (!focused_ || model_.IsEditing()) return;
  if (!model_.HasCurrentCell()) {
    if (scheme_.highContrast) PaintGridFocus(dc);
    return;
  }
  Rect rect;
  if (!CellRect(model_, model_.CurrentCell(), rect)) return;
  const RECT focus = ToRECT(rect);
  SetTextColor(dc, scheme_.focusInk);
  SetBkColor(dc, scheme_.focusPaper);
  DrawFocusRect(dc, &focus);
}

// In high contrast the focus is always seen: without a current cell the grid's edge shows it.
void GridControl::PaintGridFocus(HDC dc) {
  RECT edge;
  GetClientRect(Handle(), &edge);
  SetDCBrushColor(dc, scheme_.focusPaper);
  for (int ring = 0; ring < 2; ++ring) {
    FrameRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    InflateRect(&edge, -1, -1);
  }
}

// --- accessibility ------------------------------------------------------------------------

void GridControl::NotifyAccessible(DWORD event, long child) {
  if (Handle()) NotifyWinEvent(event, Handle(), OBJID_CLIENT, child);
}

// The current cell is the selection, and the focus while the grid itself has the keys (the
// editor, when it has them, is announced by the system).
void GridControl::AnnounceCurrentCell() {
  if (!Handle()) return;
  const long id = CellEventId(model_, model_.CurrentCell());
  if (model_.HasCurrentCell()) NotifyAccessible(EVENT_OBJECT_SELECTION, id);
  if (GetFocus() == Handle()) NotifyAccessible(EVENT_OBJECT_FOCUS, id);
}

std::u16string GridControl::EditorAccessibleName() const {
  const GridCell cell = model_.IsEditing() ? model_.EditedCell() : model_.CurrentCell();
  if (cell.col < 0) return {};
  return AccessibleEditorName(model_.TheSheet(), cell.col, cell.row);
}

// As a key would: the owner is asked, and hears of the click.
bool GridControl::SelectFromOutside(GridCell cell, bool takeFocus) {
  if (!model_.IsSelectable(cell)) return false;
  if (takeFocus) SetFocus(Handle());
  if (cell == model_.CurrentCell()) return true;
  if (!MoveCurrent(cell)) return false;
  events_.Click();
  return true;
}

// The text goes where typing would put it: into the editor while the cell is being edited.
bool GridControl::SetTextFromOutside(GridCell cell, const std::u16string& text) {
  if (!model_.IsSelectable(cell)) return false;
  if (model_.IsEditing() && cell == model_.EditedCell() && editor_.IsOpen()) {
    SetWindowTextW(editor_.Handle(), reinterpret_cast<const wchar_t*>(text.c_str()));
    return true;
  }
  model_.TheSheet().SetCell(cell.col, cell.row, text);
  return true;
}

void GridControl::EditFromOutside(GridCell cell) {
  PostMessageW(Handle(), kEditFromOutsideMessage, static_cast<WPARAM>(cell.col), static_cast<LPARAM>(cell.row));
}

void GridControl::OnEditFromOutside(GridCell cell) {
  if (!model_.IsSelectable(cell) || !SelectFromOutside(cell, true)) return;
  if (model_.CurrentCell() == cell) OpenEditor(model_.Cell(cell.col, cell.row), true);
}

}  // namespace pendra
