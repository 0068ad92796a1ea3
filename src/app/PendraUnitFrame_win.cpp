// The borderless window's own frame: its size limit, the edge hit-test, snapping to the work
// area, dragging by the decoration pictures, and the red bar's collapse and expansion.
#include <windowsx.h>

#include "app/Frameless.h"
#include "app/PendraUnit_win.h"
#include "lang/Texts.h"
#include "platform/Geometry_win.h"

namespace pendra {

namespace {

LRESULT HitCode(EdgeHit hit, LRESULT ordinary) {
  switch (hit) {
    case EdgeHit::Top: return HTTOP;
    case EdgeHit::Left: return HTLEFT;
    case EdgeHit::Bottom: return HTBOTTOM;
    case EdgeHit::Right: return HTRIGHT;
    case EdgeHit::BottomLeft: return HTBOTTOMLEFT;
    case EdgeHit::BottomRight: return HTBOTTOMRIGHT;
    case EdgeHit::None: break;
  }
  return ordinary;
}

}  // namespace

void TToDoForm::OnGetMinMaxInfo(MINMAXINFO& limits) {
  Guarded(*this, u"GetMinMaxInfo", [&] {
    limits.ptMinTrackSize = {scale_(kMinimumTrackSize), scale_(kMinimumTrackSize)};
  });
}

// The edges resize only the expanded window; every hit-test there also grows a window that
// was made smaller than 30 x 30 back to that size.
LRESULT TToDoForm::OnHitTest(LRESULT ordinary, POINT screen) {
  if (state_.ExpandState != ExpandStates::Expanded) return ordinary;
  RECT window{};
  GetWindowRect(Handle(), &window);
  const EdgeHit hit = FramelessHitTest(screen.x - window.left, screen.y - window.top, window.right - window.left,
                                       window.bottom - window.top, scale_);
  const int minimum = scale_(kMinimumClientSize);
  if (ClientWidth() < minimum || ClientHeight() < minimum) {
    SetClientSize(std::max(ClientWidth(), minimum), std::max(ClientHeight(), minimum));
  }
  return HitCode(hit, ordinary);
}

// Every move that keeps the size, the user's and the program's, snaps to the work area of the
// window's monitor.
void TToDoForm::SnapToScreen(WINDOWPOS& position) {
  if (position.flags & SWP_NOMOVE) return;
  RECT current{};
  GetWindowRect(Handle(), &current);
  const int width = current.right - current.left;
  const int height = current.bottom - current.top;
  if (!(position.flags & SWP_NOSIZE) && (position.cx != width || position.cy != height)) return;
  const Rect proposed{position.x, position.y, width, height};
  const RECT proposedRect = ToRECT(proposed);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromRect(&proposedRect, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const Point snapped = SnapToWorkArea(proposed, FromRECT(monitor.rcWork), scale_);
  position.x = snapped.x;
  position.y = snapped.y;
}

TToDoForm::DecorationHit TToDoForm::DecorationAt(POINT at) const {
  const Decoration& d = decoration_;
  if (d.ImageLogo.visible && d.ImageLogo.rect.Contains({at.x, at.y})) return DecorationHit::Drag;
  if (d.ImageRedButtonAufklapper.rect.Contains({at.x, at.y})) return DecorationHit::RedBar;
  for (const DecorationPicture* picture :
       {&d.ImageTopRight, &d.ImageTop, &d.ImageBottomRight, &d.ImageBottom, &d.ImageRight}) {
    if (picture->visible && picture->rect.Contains({at.x, at.y})) return DecorationHit::Drag;
  }
  return DecorationHit::None;
}

void TToDoForm::OnLeftButtonDown(POINT at) {
  switch (DecorationAt(at)) {
    case DecorationHit::RedBar:
      redBarPressed_ = true;
      SetCapture(Handle());
      break;
    case DecorationHit::Drag: FakeClient(true); break;
    case DecorationHit::None: break;
  }
}

// A click on the red bar is a press and a release on it.
void TToDoForm::OnLeftButtonUp(POINT at) {
  if (!redBarPressed_) return;
  redBarPressed_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  if (DecorationAt(at) == DecorationHit::RedBar) ImageRedButtonAufklapperClick();
}

// The right button on the red bar or on another picture opens the menu.
void TToDoForm::OnRightButtonDown(POINT at) {
  if (DecorationAt(at) != DecorationHit::None) FakeClient(false);
}

// The left button moves the window as if its caption were pressed; the system's move loop
// follows the mouse until the button is released.
void TToDoForm::FakeClient(bool leftButton) {
  if (!leftButton) {
    OpenPopupMenuAtCursor();
    return;
  }
  ReleaseCapture();
  POINT cursor{};
  GetCursorPos(&cursor);
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void TToDoForm::ImageRedButtonAufklapperClick() {
  Guarded(*this, u"ImageRedButtonAufklapperClick", [&] {
    if (waitingForDataFile_) return;
    ToDoGrid.Model().ClearSelection();
    const bool collapsing = state_.ExpandState == ExpandStates::Expanded;
    StartShrinkOrExpand(state_, shrinkTarget_, {Rectangle().left, ClientWidth()});
    if (!collapsing) ShowWindow(ToDoGrid.Handle(), SW_SHOW);
    SetTimer(Handle(), kShrinkTimer, kShrinkIntervalMs, nullptr);
    ToDoGrid.SetScrollBarsAllowed({false, false});
    if (!collapsing) {
      PanelExitIcon.Place(
          {decoration_.ImageRight.rect.left + scale_(7), scale_(7), scale_(kIconButtonSize), scale_(kIconButtonSize)});
      decoration_.ImageLogo.visible = true;
      RepaintControlsForCitrix();
    }
  });
}

void TToDoForm::TimerShrinkTimer() {
  Guarded(*this, u"Timer1Timer", [&] {
    const ShrinkTick tick = TickShrinkOrExpand(state_, shrinkTarget_, {Rectangle().left, ClientWidth()}, scale_);
    if (!tick.last) {
      ApplySpan(tick.span);
      return;
    }
    EndShrinkOrExpand(tick.span);
  });
}

void TToDoForm::EndShrinkOrExpand(WindowSpan span) {
  KillTimer(Handle(), kShrinkTimer);
  // The state is already final: the layout runs only for the restored width.
  ApplySpan(span);
  RECT grid{};
  GetWindowRect(ToDoGrid.Handle(), &grid);
  SetWindowPos(ToDoGrid.Handle(), nullptr, 0, 0, std::max(0, span.width - 2 * scale_(kFrameBand)),
               grid.bottom - grid.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (state_.ExpandState == ExpandStates::Collapsed) {
    ShowWindow(ToDoGrid.Handle(), SW_HIDE);
    PlaceExitIconOnStrip();
    decoration_.ImageLogo.visible = false;
    InvalidateRect(Handle(), nullptr, FALSE);
    hints_.SetAreaText(kRedBarHint, kHintRedBarExpand);
    AnnounceRedBar();
  } else {
    hints_.SetAreaText(kRedBarHint, kHintRedBarCollapse);
    AnnounceRedBar();
    // The grid was hidden while the window was a strip: the keys go to it again.
    if (GetActiveWindow() == Handle()) SetFocus(ToDoGrid.Handle());
  }
}

// The animation's steps are taken at once and only the last is applied.
void TToDoForm::ShrinkOrExpandAtOnce() {
  ImageRedButtonAufklapperClick();
  if (state_.ExpandState != ExpandStates::Expanding && state_.ExpandState != ExpandStates::Collapsing) return;
  ShrinkTick tick{{Rectangle().left, ClientWidth()}};
  do {
    tick = TickShrinkOrExpand(state_, shrinkTarget_, tick.span, scale_);
  } while (!tick.last);
  EndShrinkOrExpand(tick.span);
}

// On the collapsed strip the exit button sits at the strip's top left.
void TToDoForm::PlaceExitIconOnStrip() {
  PanelExitIcon.Place({scale_(7), scale_(7), scale_(kIconButtonSize), scale_(kIconButtonSize)});
}

// Left edge and width in one step, so that the right edge never moves.
void TToDoForm::ApplySpan(WindowSpan span) {
  SetWindowPos(Handle(), nullptr, span.left, Rectangle().top, std::max(span.width, scale_(kMinimumTrackSize)),
               ClientHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pendra
