#include "MessageBoxes.h"

#include "TopLevelWindows.h"

namespace driver {

// A message box keeps its text in the static control with this id.
constexpr int kMessageTextId = 0xFFFF;

std::vector<HWND> MessageBoxes() {
  std::vector<HWND> boxes;
  for (HWND w : TopLevelWindows())
    if (IsWindowVisible(w) && ClassOf(w) == L"#32770") boxes.push_back(w);
  return boxes;
}

HWND FindMessageBox(const std::wstring& title) {
  for (HWND box : MessageBoxes())
    if (title == L"*" || TextOf(box) == title) return box;
  return nullptr;
}

static std::vector<HWND> Children(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (ClassOf(w) == className) found.push_back(w);
  return found;
}

static std::wstring BoxText(HWND box) {
  if (HWND text = GetDlgItem(box, kMessageTextId)) return TextOf(text);
  std::wstring all;
  for (HWND label : Children(box, L"Static")) {
    std::wstring part = TextOf(label);
    if (!part.empty()) all += (all.empty() ? L"" : L"\n") + part;
  }
  return all;
}

void DescribeBox(HWND box, Report& report, const std::wstring& prefix) {
  std::wstring buttons;
  for (HWND button : Children(box, L"Button")) {
    if (!IsWindowVisible(button)) continue;
    if (!buttons.empty()) buttons += L"|";
    buttons += std::to_wstring(GetDlgCtrlID(button)) + L":" + TextOf(button);
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(box, &pid);
  report.Add(prefix + L"hwnd", Hex(reinterpret_cast<ULONG_PTR>(box)));
  report.Add(prefix + L"title", TextOf(box));
  report.Add(prefix + L"text", BoxText(box));
  report.Add(prefix + L"buttons", buttons);
  report.Add(prefix + L"pid", pid);
}

bool PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
  return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace driver
