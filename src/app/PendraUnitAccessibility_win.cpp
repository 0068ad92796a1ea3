// The main window for screen readers and in high contrast: its surface with the drawn red bar
// and its controls as accessible objects, the picture buttons named after their hints, and the
// colours of the user's theme, followed when the theme changes while the program runs.
#include "app/PendraUnit_win.h"
#include "lang/MainWindowTexts.h"
#include "lang/Texts.h"
#include "ui/SystemColours_win.h"

namespace pendra {

namespace {

// Posted by a screen reader's press on the red bar: the click runs from the message loop.
constexpr UINT kRedBarPressMessage = WM_APP + 40;

}  // namespace

void TToDoForm::SetUpAccessibility() {
  PanelExitIcon.SetAccessibleName(kHintExit);
  PanelMinimizeIcon.SetAccessibleName(kHintMinimize);
  PanelPlusRow.SetAccessibleName(kHintAddRow);
  PanelMinusRow.SetAccessibleName(kHintDeleteRow);
  PanelPlusColumn.SetAccessibleName(kHintAddColumn);
  PanelMinusColumn.SetAccessibleName(kHintDeleteColumn);

  // The red bar says what a click does, as its hint does: the hint changes at the end of each
  // collapse and each expansion.
  redBarAccess_->window = Handle();
  redBarAccess_->name = [this] {
    const ExpandStates state = state_.ExpandState;
    return state == ExpandStates::Collapsed || state == ExpandStates::Expanding ? kHintRedBarExpand
                                                                                : kHintRedBarCollapse;
  };
  redBarAccess_->state = [this] {
    const ExpandStates state = state_.ExpandState;
    long flags = state == ExpandStates::Collapsed || state == ExpandStates::Collapsing ? STATE_SYSTEM_COLLAPSED
                                                                                       : STATE_SYSTEM_EXPANDED;
    if (!IsWindowVisible(Handle())) flags |= STATE_SYSTEM_INVISIBLE;
    return flags;
  };
  redBarAccess_->screenRect = [this] {
    Rect bar = decoration_.ImageRedButtonAufklapper.rect;
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    bar.left += origin.x;
    bar.top += origin.y;
    return bar;
  };
  redBarAccess_->parent = [this]() -> IDispatch* { return MakeClientObjectOf(Handle()); };
  redBarAccess_->pressSoon = [this] { PostMessageW(Handle(), kRedBarPressMessage, 0, 0); };

  formAccess_->window = Handle();
  formAccess_->controls = [this] { return AccessibleControls(); };
  formAccess_->redBar = redBarAccess_.Link();
  ApplyColourScheme();
}

// The sheet first, then the buttons from the top right corner on.
std::vector<HWND> TToDoForm::AccessibleControls() {
  std::vector<HWND> controls;
  for (HWND control : {ToDoGrid.Handle(), PanelMinimizeIcon.Handle(), PanelExitIcon.Handle(), PanelPlusRow.Handle(),
                       PanelMinusRow.Handle(), PanelPlusColumn.Handle(), PanelMinusColumn.Handle()}) {
    if (control && IsWindowVisible(control)) controls.push_back(control);
  }
  return controls;
}

bool TToDoForm::OnAccessibilityMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
  switch (message) {
    case WM_GETOBJECT:
      if (!AsksForClientObject(lParam)) return false;
      answer = AnswerWithObject(wParam, MakeFormAccessible(formAccess_.Link()));
      return true;
    case kRedBarPressMessage: ImageRedButtonAufklapperClick(); return true;
    // The user switched high contrast or the theme's colours: the window follows at once.
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: ApplyColourScheme(); return false;
  }
  return false;
}

// Only a change of the colours repaints: Windows tells of every setting the user changes.
void TToDoForm::ApplyColourScheme() {
  const ColourScheme scheme = SystemColourScheme();
  if (scheme == colours_ && Handle()) return;
  colours_ = scheme;
  ToDoGrid.SetColourScheme(colours_);
  for (PictureButton* button : PictureButtons()) button->SetColourScheme(colours_);
  if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TToDoForm::AnnounceRedBar() {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Handle(), OBJID_CLIENT, kRedBarChildId);
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, Handle(), OBJID_CLIENT, kRedBarChildId);
}

}  // namespace pendra
