#include "ui/Hints_win.h"

#include <commctrl.h>

#include "platform/Geometry_win.h"

namespace pendra {

namespace {

wchar_t* TextOf(const std::u16string& text) {
  return const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.c_str()));
}

}  // namespace

void Hints::Create(HWND owner) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
}

void Hints::AddForWindow(HWND tool, const std::u16string& text) {
  if (!tooltip_) return;
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = TextOf(text);
  SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
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
