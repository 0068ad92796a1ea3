// The main window's layout pass, column fitting, painting and geometry.
#include "app/DpiChange.h"
#include "app/Frameless.h"
#include "app/PendraUnit_win.h"
#include "lang/Texts.h"
#include "platform/BufferedPaint_win.h"
#include "platform/Geometry_win.h"
#include "platform/WideText_win.h"
#include "ui/ColumnFitting.h"
#include "ui/Layout.h"

namespace pendra {

// A minimized window has no area to lay out: its controls keep the places of its normal size.
void TToDoForm::FormResize() {
  if (state_.ExpandState != ExpandStates::Expanded || !ToDoGrid.Handle() || IsIconic(Handle())) return;
  // Fitting the columns to a new size is no step of the user's.
  edits_.Absorbed([&] { LayOut(); });
}

void TToDoForm::LayOut() {
  FormLayout layout = ComputeFormLayout(ClientWidth(), ClientHeight(), state_.SkinLoaded, scale_);
  const Rect& grid = layout.ToDoGrid;
  // The columns are fitted to the grid's new width before it gets its height and place.
  SetWindowPos(ToDoGrid.Handle(), nullptr, 0, 0, grid.width, ToDoGrid.Model().ViewHeight(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  AdjustColumnWidths();
  SetWindowPos(ToDoGrid.Handle(), nullptr, grid.left, grid.top, grid.width, grid.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ToDoGrid.SetFontSize(10);
  decoration_.Place(layout, state_.SkinLoaded);
  hints_.MoveArea(kRedBarHint, decoration_.ImageRedButtonAufklapper.rect);
  PanelExitIcon.Place(layout.PanelExitIcon);
  PanelMinimizeIcon.Place(layout.PanelMinimizeIcon);
  PanelPlusRow.Place(layout.PanelPlusRow);
  PanelMinusRow.Place(layout.PanelMinusRow);
  PanelPlusColumn.Place(layout.PanelPlusColumn);
  PanelMinusColumn.Place(layout.PanelMinusColumn);
  InvalidateRect(Handle(), nullptr, FALSE);
  RepaintControlsForCitrix();
}

void TToDoForm::OnDpiChanged(int dpi, const RECT& suggested) {
  Guarded(*this, u"DpiChanged", [&] {
    const Scale from = scale_;
    scale_ = Scale(dpi);
    if (scale_ == from) return;
    // Following the display is no step of the user's.
    edits_.Absorbed([&] { FollowScale(from, dpi, suggested); });
  });
}

void TToDoForm::FollowScale(Scale from, int dpi, const RECT& suggested) {
  ScaleSheetWidths(from);
  RescaleShrinkWidths(state_, from, scale_);
  decoration_.LoadPictures(scale_);
  popupMenu_.SetScale(scale_);
  for (PictureButton* button : PictureButtons()) button->SetScale(scale_);
  ToDoGrid.SetDpi(dpi);
  if (!sheet_.SkinName().empty() && sheet_.SkinName() != kNoSkinName) loadSkin();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (state_.ExpandState == ExpandStates::Expanded) {
    FormResize();
  } else {
    // The strip keeps the expanded window's places, cut at its width.
    decoration_.Place(ComputeFormLayout(state_.ExpandedClientWidth, ClientHeight(), state_.SkinLoaded, scale_),
                      state_.SkinLoaded);
    PlaceExitIconOnStrip();
  }
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TToDoForm::ScaleSheetWidths(Scale from) {
  if (from == scale_) return;
  const std::vector<int> widths = RescaledColumnWidths(sheet_.ColWidths(), from, scale_);
  Sheet::Batch batch(sheet_);
  for (size_t col = 0; col < widths.size(); ++col) sheet_.SetColWidth(static_cast<int>(col), widths[col]);
  sheet_.SetNewColumnWidth(scale_(Sheet::kDefaultColWidth));
}

std::array<PictureButton*, 6> TToDoForm::PictureButtons() {
  return {&PanelMinimizeIcon, &PanelExitIcon, &PanelPlusRow, &PanelMinusRow, &PanelPlusColumn, &PanelMinusColumn};
}

FormLayout TToDoForm::FirstWindowLayout() const {
  return ComputeFormLayout(scale_(kDesignClientWidth), scale_(kDesignClientHeight), false, scale_);
}

void TToDoForm::AdjustColumnWidths() {
  Guarded(*this, u"AdjustColumnWidths", [&] {
    RECT outer{};
    GetWindowRect(ToDoGrid.Handle(), &outer);
    std::vector<int> fitted =
        FitColumnWidths(sheet_.ColWidths(), outer.right - outer.left, sheet_.DrawGridLines(), scale_);
    {
      Sheet::Batch batch(sheet_);
      for (size_t col = 0; col < fitted.size(); ++col) sheet_.SetColWidth(static_cast<int>(col), fitted[col]);
    }
    ToDoGrid.SetScrollBarsAllowed(AllowedScrollBars(sheet_.ColCount()));
  });
}

void TToDoForm::RepaintPlusMinusHolders() {
  for (PictureButton* holder : {&PanelMinusRow, &PanelPlusRow, &PanelMinusColumn, &PanelPlusColumn}) holder->Repaint();
}

void TToDoForm::RepaintControlsForCitrix() {
  if (decoration_.ImageLogo.visible) {
    const RECT area = ToRECT(decoration_.ImageLogo.rect);
    InvalidateRect(Handle(), &area, FALSE);
    UpdateWindow(Handle());
  }
  for (PictureButton* holder : PictureButtons()) holder->Repaint();
}

void TToDoForm::PaintSurface(HDC dc, POINT origin) {
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  decoration_.Paint(dc, colours_);
  if (waitingForDataFile_) PaintWaitingText(dc);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

// Where the sheet will be, in the system's message font at the window's scale.
void TToDoForm::PaintWaitingText(HDC dc) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(scale_.Dpi()));
  UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  const HGDIOBJ previous = SelectObject(dc, font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
  const Rect grid = ComputeFormLayout(ClientWidth(), ClientHeight(), state_.SkinLoaded, scale_).ToDoGrid;
  RECT area = ToRECT(grid);
  InflateRect(&area, -scale_(8), -scale_(8));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, Wide(std::u16string(kWaitingForDataFileText)), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
}

void TToDoForm::OnPaint() {
  PaintBuffered(Handle(), [this](HDC dc, const RECT&) { PaintSurface(dc, {0, 0}); });
}

// ---- geometry ----

// A minimized window's own rectangle is the one it is restored to; the system parks the
// minimized window far off the screen at a size of nothing.
Rect TToDoForm::Rectangle() const {
  if (IsIconic(Handle())) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(Handle(), &placement);
    return FromRECT(placement.rcNormalPosition);
  }
  RECT window{};
  GetWindowRect(Handle(), &window);
  return {window.left, window.top, ClientWidth(), ClientHeight()};
}

void TToDoForm::SetLeft(int left) { SetPosition(left, Rectangle().top); }

void TToDoForm::SetTop(int top) { SetPosition(Rectangle().left, top); }

void TToDoForm::SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }

void TToDoForm::SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }

Rect TToDoForm::VirtualDesktop() const {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int TToDoForm::PrimaryScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }

int TToDoForm::PrimaryScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

int TToDoForm::ClientWidth() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right;
}

int TToDoForm::ClientHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom;
}

void TToDoForm::SetClientSize(int width, int height) {
  SetWindowPos(Handle(), nullptr, 0, 0, std::max(width, scale_(kMinimumTrackSize)), height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TToDoForm::SetPosition(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::u16string TToDoForm::ExecutablePath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::u16string(path.begin(), path.end());
}

}  // namespace pendra
