#include "platform/Hints_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <optional>

#include "platform/Geometry_win.h"
#include "platform/SystemFunction_win.h"

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

void Hints::Create(HWND owner) { owner_ = owner; }

void Hints::Activate() {
  if (tooltip_ || !owner_) return;
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const InitFunction init = LoadSystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
  if (!init) return;
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  init(&classes);
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) return;
  if (applicationHints) Apply(tooltip_.Get(), *applicationHints);
  for (const Tool& tool : tools_) Send(TTM_ADDTOOLW, tool);
}

void Hints::Send(UINT message, const Tool& tool) {
  if (!tooltip_) return;
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS | (tool.isWindow ? TTF_IDISHWND : 0);
  info.hwnd = owner_;
  info.uId = tool.id;
  info.rect = ToRECT(tool.area);
  info.lpszText = TextOf(tool.text);
  SendMessageW(tooltip_.Get(), message, 0, reinterpret_cast<LPARAM>(&info));
}

Hints::Tool* Hints::Find(UINT_PTR id, bool isWindow) {
  for (Tool& tool : tools_) {
    if (tool.id == id && tool.isWindow == isWindow) return &tool;
  }
  return nullptr;
}

void Hints::Add(Tool tool) {
  tools_.push_back(std::move(tool));
  Send(TTM_ADDTOOLW, tools_.back());
}

void Hints::SetText(Tool* tool, const std::u16string& text) {
  if (!tool) return;
  tool->text = text;
  Send(TTM_UPDATETIPTEXTW, *tool);
}

void Hints::AddForWindow(HWND tool, const std::u16string& text) {
  Add({reinterpret_cast<UINT_PTR>(tool), true, {}, text});
}

void Hints::SetWindowHint(HWND tool, const std::u16string& text) {
  SetText(Find(reinterpret_cast<UINT_PTR>(tool), true), text);
}

void Hints::AddForArea(UINT id, const Rect& area, const std::u16string& text) { Add({id, false, area, text}); }

void Hints::MoveArea(UINT id, const Rect& area) {
  Tool* tool = Find(id, false);
  if (!tool) return;
  tool->area = area;
  Send(TTM_NEWTOOLRECTW, *tool);
}

void Hints::SetAreaText(UINT id, const std::u16string& text) { SetText(Find(id, false), text); }

}  // namespace pendra
