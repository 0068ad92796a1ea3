#include "platform/Hints_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <optional>

#include "platform/Geometry_win.h"

namespace pendra {

namespace {

// The program's hint appearance, once it was set; until then the system's.
std::optional<HintAppearance> applicationHints;

wchar_t* TextOf(const std::u16string& text) {
  return const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.c_str()));
}

void Apply(HWND tooltip, const HintAppearance& appearance) {
  // A themed tooltip draws its own background and ignores the colour.
  SetWindowTheme(tooltip, L"", L"");
  SendMessageW(tooltip, TTM_SETTIPBKCOLOR, appearance.colour, 0);
  SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(appearance.pauseMs, 0));
  SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(appearance.hidePauseMs, 0));
}

BOOL CALLBACK ApplyToTooltip(HWND window, LPARAM appearance) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (CompareStringOrdinal(className, -1, TOOLTIPS_CLASSW, -1, TRUE) == CSTR_EQUAL) {
    Apply(window, *reinterpret_cast<const HintAppearance*>(appearance));
  }
  return TRUE;
}

}  // namespace

void SetApplicationHintAppearance(const HintAppearance& appearance) {
  applicationHints = appearance;
  EnumThreadWindows(GetCurrentThreadId(), ApplyToTooltip, reinterpret_cast<LPARAM>(&appearance));
}

void Hints::Create(HWND owner) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (tooltip_ && applicationHints) Apply(tooltip_.Get(), *applicationHints);
}

TTTOOLINFOW Hints::WindowTool(HWND tool) const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  return info;
}

void Hints::AddForWindow(HWND tool, const std::u16string& text) {
  if (!tooltip_) return;
  TTTOOLINFOW info = WindowTool(tool);
  info.lpszText = TextOf(text);
  SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::SetWindowHint(HWND tool, const std::u16string& text) {
  if (!tooltip_) return;
  TTTOOLINFOW info = WindowTool(tool);
  info.lpszText = TextOf(text);
  SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

TTTOOLINFOW Hints::AreaTool(UINT id) const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = id;
  return info;
}

void Hints::AddForArea(UINT id, const Rect& area, const std::u16string& text) {
  if (!tooltip_) return;
  TTTOOLINFOW info = AreaTool(id);
  info.rect = ToRECT(area);
  info.lpszText = TextOf(text);
  SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::MoveArea(UINT id, const Rect& area) {
  if (!tooltip_) return;
  TTTOOLINFOW info = AreaTool(id);
  info.rect = ToRECT(area);
  SendMessageW(tooltip_.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::SetAreaText(UINT id, const std::u16string& text) {
  if (!tooltip_) return;
  TTTOOLINFOW info = AreaTool(id);
  info.lpszText = TextOf(text);
  SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace pendra
